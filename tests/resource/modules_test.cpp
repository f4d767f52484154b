// Module handles and file names, and a shared object loaded and unloaded at run time.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <windows.h>

#include "resource/resource_bytes.h"

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

// The controls never ask for a file name: its truncation and a refusal, once.
TEST(ModuleFileName, TruncatesLikeWin32AndRejectsHandlesThatAreNoModules)
{
    std::u16string full = FileName(nullptr);
    EXPECT_TRUE(EndsWith(full, u"/resource_tests") && EndsWith(FileName(GetModuleHandleW(u"wincore")), u"libwincore.so"));
    WCHAR buffer[5] = {u'x', u'x', u'x', u'x', u'x'};
    EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 5), 5u);
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(std::u16string(buffer), full.substr(0, 4));
    EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(uintptr_t(0x7777)), buffer, 5) +
                  GetModuleFileNameW(nullptr, buffer, 0),
              0u);
}

// A library loaded at run time: its constructor finds its own instance and resources, which neither
// the executable nor a module that depends on it shares; its handles turn stale when it goes.
TEST(LoadedModule, OwnsItsResourcesUntilUnloaded)
{
    void* library = dlopen(RESOURCE_FIXTURE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    auto instanceAtLoad = reinterpret_cast<HMODULE (*)()>(dlsym(library, "FixtureInstanceAtLoad"));
    auto sizeAtLoad = reinterpret_cast<DWORD (*)()>(dlsym(library, "FixtureResourceSizeAtLoad"));
    HMODULE module = GetModuleHandleW(u"libresource_fixture.so");
    ASSERT_TRUE(instanceAtLoad && sizeAtLoad && module);
    EXPECT_TRUE(instanceAtLoad() == module && GetModuleHandleW(u"resource_fixture.dll") == module);
    EXPECT_EQ(sizeAtLoad(), 12u);
    EXPECT_EQ(ResourceBytes(module, MAKEINTRESOURCEW(1), u"FIXTURE"),
              FileBytes(std::string(RESOURCE_TEST_DATA_DIR) + "/fixture.bin"));
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), u"FIXTURE");
    EXPECT_TRUE(!FindResourceW(nullptr, MAKEINTRESOURCEW(1), u"FIXTURE") && SizeofResource(nullptr, resource) == 0);
    void* dependent = dlopen(RESOURCE_DEPENDENT_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(dependent, nullptr) << dlerror();
    HMODULE dependentModule = GetModuleHandleW(u"resource_dependent");
    EXPECT_TRUE(dependentModule && !FindResourceW(dependentModule, MAKEINTRESOURCEW(1), u"FIXTURE"));
    dlclose(dependent);

    HGLOBAL data = LoadResource(module, resource);
    ASSERT_NE(LockResource(data), nullptr);
    dlclose(library);
    ASSERT_EQ(dlopen(RESOURCE_FIXTURE_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr) << "the fixture stayed loaded";
    const std::vector<uintptr_t> stale = {uintptr_t(GetModuleHandleW(u"resource_fixture")),
                                          uintptr_t(FindResourceW(module, MAKEINTRESOURCEW(1), u"FIXTURE")),
                                          SizeofResource(module, resource), uintptr_t(LoadResource(module, resource)),
                                          uintptr_t(LockResource(data)), FileName(module).size()};
    EXPECT_EQ(stale, std::vector<uintptr_t>(6, 0));
    library = dlopen(RESOURCE_FIXTURE_PATH, RTLD_NOW | RTLD_LOCAL);
    HMODULE reloaded = GetModuleHandleW(u"resource_fixture");
    EXPECT_TRUE(reloaded && reloaded != module && SizeofResource(module, resource) == 0);
    EXPECT_EQ(SizeofResource(reloaded, FindResourceW(reloaded, MAKEINTRESOURCEW(1), u"FIXTURE")), 12u);
    dlclose(library);
}

}  // namespace
