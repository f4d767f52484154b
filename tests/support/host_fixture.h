// A fresh wincore host per test, and a check that nothing created during the test outlives it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include <wincore/host.h>
#include <wincore/utf.h>

// The suite also runs on desktop Win32 (tests/windows.cmake), where the clock is real time and
// the pen is the mouse. There timers do not fire at exactly the times Advance steps to, so figures
// that count timer ticks are checked as end states, and the recorders leave out the traffic of
// the mouse's hovering and of the non-client area, which a CE touch screen does not have.
#if defined(RKNAV_DESKTOP_WIN32)
inline constexpr bool kExactTicks = false;
inline constexpr bool kDesktopWin32 = true;
#else
inline constexpr bool kExactTicks = true;
inline constexpr bool kDesktopWin32 = false;
#endif

class HostTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    int windowsAtStart_ = 0;
    int gdiAtStart_ = 0;
};

// UTF-16 text for the tests' convenience: WCHAR is char16_t on wincore and wchar_t on Windows.
using WString = std::basic_string<WCHAR>;
WString U16(const std::string& ascii);
inline std::string Utf8(const WString& text)
{
    return wincore::Utf8FromUtf16(text);
}

// Where tests write pictures and logs.
std::string OutputPath(const std::string& name);
