// A fresh wincore host per test, and a check that nothing created during the test outlives it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include <wincore/host.h>

class HostTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    int gdiAtStart_ = 0;
};

// UTF-16 text for the tests' convenience.
std::u16string U16(const std::string& ascii);
std::string Utf8(const std::u16string& text);

// Where tests write pictures and logs.
std::string OutputPath(const std::string& name);
