#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::u16string FileName(HMODULE module)
{
    WCHAR path[4096];
    DWORD length = GetModuleFileNameW(module, path, 4096);
    return std::u16string(path, length);
}

bool EndsWith(const std::u16string& text, const std::u16string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(ModuleHandle, NullAndTheFileNameNameTheExecutable)
{
    HMODULE executable = GetModuleHandleW(nullptr);
    ASSERT_NE(executable, nullptr);
    EXPECT_EQ(GetModuleHandleW(nullptr), executable);
    EXPECT_EQ(GetModuleHandleW(u"resource_tests"), executable);
    EXPECT_EQ(GetModuleHandleW(u"RESOURCE_TESTS.EXE"), executable);
    EXPECT_TRUE(EndsWith(FileName(executable), u"/resource_tests"));
    EXPECT_EQ(FileName(nullptr), FileName(executable));
}

TEST(ModuleHandle, SharedObjectAnswersToWindowsAndPosixNames)
{
    HMODULE platform = GetModuleHandleW(u"wincore");
    ASSERT_NE(platform, nullptr);
    EXPECT_NE(platform, GetModuleHandleW(nullptr));
    EXPECT_EQ(GetModuleHandleW(u"WinCore.dll"), platform);
    EXPECT_EQ(GetModuleHandleW(u"libwincore.so"), platform);
    EXPECT_EQ(GetModuleHandleW(u"libwincore"), platform);
    EXPECT_TRUE(EndsWith(FileName(platform), u"libwincore.so"));
}

TEST(ModuleHandle, UnknownNamesFindNothing)
{
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleW(u"nosuchmodule"), nullptr);
    EXPECT_EQ(GetLastError(), 126u);
    EXPECT_EQ(GetModuleHandleW(u""), nullptr);
    EXPECT_EQ(GetModuleHandleW(u"wincor"), nullptr);
    EXPECT_EQ(GetModuleHandleW(u"wincore.so.x"), nullptr);
}

TEST(ModuleFileName, TruncatesLikeWin32)
{
    std::u16string full = FileName(nullptr);
    ASSERT_GT(full.size(), 4u);
    WCHAR buffer[5] = {u'x', u'x', u'x', u'x', u'x'};
    EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 5), 5u);
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(std::u16string(buffer), full.substr(0, 4));
    EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 0), 0u);
    std::u16string exact(full.size() + 1, u'x');
    EXPECT_EQ(GetModuleFileNameW(nullptr, exact.data(), DWORD(exact.size())), DWORD(full.size()));
    EXPECT_EQ(exact.substr(0, full.size()), full);
}

TEST(ModuleFileName, RejectsHandlesThatAreNoModules)
{
    WCHAR buffer[64];
    EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(uintptr_t(0x7777)), buffer, 64), 0u);
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE, 4);
    EXPECT_EQ(GetModuleFileNameW(static_cast<HMODULE>(block), buffer, 64), 0u);
    LocalFree(block);
}

}  // namespace
