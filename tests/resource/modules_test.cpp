// Module handles and file names, and a shared object loaded and unloaded at run time: its
// instance, its own resources, and handles that turn stale when it goes.
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
    ASSERT_NE(executable, nullptr);
    ASSERT_NE(platform, nullptr);
    EXPECT_NE(platform, executable);
    struct Row {
        const char16_t* name;
        HMODULE module;
    };
    for (Row row : {Row{u"resource_tests", executable}, {u"RESOURCE_TESTS.EXE", executable}, {u"WinCore.dll", platform},
                    {u"libwincore.so", platform}, {u"libwincore", platform}, {u"nosuchmodule", nullptr},
                    {u"", nullptr}, {u"wincor", nullptr}, {u"wincore.so.x", nullptr}}) {
        SetLastError(0);
        EXPECT_EQ(GetModuleHandleW(row.name), row.module) << std::string(row.name, row.name + lstrlenW(row.name));
        if (!row.module) {
            EXPECT_EQ(GetLastError(), 126u);
        }
    }
    EXPECT_TRUE(EndsWith(FileName(executable), u"/resource_tests"));
    EXPECT_EQ(FileName(nullptr), FileName(executable));
    EXPECT_TRUE(EndsWith(FileName(platform), u"libwincore.so"));
}

TEST(ModuleFileName, TruncatesLikeWin32AndRejectsHandlesThatAreNoModules)
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

    EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(uintptr_t(0x7777)), buffer, 5), 0u);
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE, 4);
    EXPECT_EQ(GetModuleFileNameW(static_cast<HMODULE>(block), buffer, 5), 0u);
    LocalFree(block);
}

class LoadedModule : public testing::Test {
protected:
    void SetUp() override
    {
        library_ = dlopen(RESOURCE_FIXTURE_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
    }
    void TearDown() override { Unload(); }

    void Unload()
    {
        if (library_) dlclose(library_);
        library_ = nullptr;
    }

    void* library_ = nullptr;
};

// What a library's entry point does when it is loaded: find its own instance and resources,
// which neither the executable nor a module that depends on it shares.
TEST_F(LoadedModule, FindsItsInstanceAndResourcesFromItsConstructor)
{
    auto instanceAtLoad = reinterpret_cast<HMODULE (*)()>(dlsym(library_, "FixtureInstanceAtLoad"));
    auto sizeAtLoad = reinterpret_cast<DWORD (*)()>(dlsym(library_, "FixtureResourceSizeAtLoad"));
    ASSERT_TRUE(instanceAtLoad && sizeAtLoad);
    HMODULE module = GetModuleHandleW(u"libresource_fixture.so");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(instanceAtLoad(), module);
    EXPECT_EQ(GetModuleHandleW(u"resource_fixture.dll"), module);
    EXPECT_EQ(sizeAtLoad(), 12u);
    EXPECT_EQ(ResourceBytes(module, MAKEINTRESOURCEW(1), u"FIXTURE"),
              FileBytes(std::string(RESOURCE_TEST_DATA_DIR) + "/fixture.bin"));
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(1), u"FIXTURE"), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, FindResourceW(module, MAKEINTRESOURCEW(1), u"FIXTURE")), 0u);

    void* dependent = dlopen(RESOURCE_DEPENDENT_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(dependent, nullptr) << dlerror();
    HMODULE dependentModule = GetModuleHandleW(u"resource_dependent");
    ASSERT_NE(dependentModule, nullptr);
    EXPECT_EQ(FindResourceW(dependentModule, MAKEINTRESOURCEW(1), u"FIXTURE"), nullptr);
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), u"FIXTURE"), nullptr);
    dlclose(dependent);
}

TEST_F(LoadedModule, HandlesTurnStaleWhenTheModuleIsUnloaded)
{
    HMODULE module = GetModuleHandleW(u"resource_fixture");
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), u"FIXTURE");
    HGLOBAL data = LoadResource(module, resource);
    ASSERT_NE(LockResource(data), nullptr);

    Unload();
    ASSERT_EQ(dlopen(RESOURCE_FIXTURE_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr) << "the fixture stayed loaded";
    EXPECT_EQ(GetModuleHandleW(u"resource_fixture"), nullptr);
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(1), u"FIXTURE"), nullptr);
    EXPECT_EQ(SizeofResource(module, resource), 0u);
    EXPECT_EQ(LoadResource(module, resource), nullptr);
    EXPECT_EQ(LockResource(data), nullptr);
    EXPECT_EQ(FileName(module), u"");

    library_ = dlopen(RESOURCE_FIXTURE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr);
    HMODULE reloaded = GetModuleHandleW(u"resource_fixture");
    EXPECT_NE(reloaded, module);
    EXPECT_EQ(SizeofResource(module, resource), 0u);
    EXPECT_EQ(SizeofResource(reloaded, FindResourceW(reloaded, MAKEINTRESOURCEW(1), u"FIXTURE")), 12u);
}

}  // namespace
