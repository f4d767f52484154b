// Module handles by Windows and POSIX names (the library finds its own instance this way).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// Names compare without case, directory, "lib" prefix or extension (.exe, .dll, .so).
TEST(ModuleHandle, WindowsAndPosixNamesFindTheSameModule)
{
    HMODULE executable = GetModuleHandleW(nullptr), platform = GetModuleHandleW(u"wincore");
    ASSERT_TRUE(executable && platform && platform != executable);
    struct Row {
        const char16_t* name;
        HMODULE module;
    };
    for (Row row : {Row{u"resource_tests", executable}, {u"RESOURCE_TESTS.EXE", executable}, {u"WinCore.dll", platform},
                    {u"libwincore.so", platform}, {u"libwincore", platform}, {u"", nullptr},
                    {u"wincor", nullptr}, {u"wincore.so.x", nullptr}}) {
        SetLastError(0);
        EXPECT_EQ(GetModuleHandleW(row.name), row.module) << std::string(row.name, row.name + lstrlenW(row.name));
        EXPECT_EQ(GetLastError(), row.module ? 0u : 126u) << std::string(row.name, row.name + lstrlenW(row.name));
    }
}

}  // namespace
