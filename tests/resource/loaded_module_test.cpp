// A shared object loaded and unloaded at run time: its instance, its own resources, and handles
// that turn stale when it goes.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <windows.h>

#include "resource/resource_bytes.h"

namespace {

using InstanceAtLoad = HMODULE (*)();
using SizeAtLoad = DWORD (*)();

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

TEST_F(LoadedModule, ConstructorFindsItsInstanceAndResources)
{
    auto instanceAtLoad = reinterpret_cast<InstanceAtLoad>(dlsym(library_, "FixtureInstanceAtLoad"));
    auto sizeAtLoad = reinterpret_cast<SizeAtLoad>(dlsym(library_, "FixtureResourceSizeAtLoad"));
    ASSERT_TRUE(instanceAtLoad && sizeAtLoad);
    HMODULE module = GetModuleHandleW(u"libresource_fixture.so");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(instanceAtLoad(), module);
    EXPECT_EQ(GetModuleHandleW(u"resource_fixture.dll"), module);
    EXPECT_EQ(sizeAtLoad(), 12u);
}

TEST_F(LoadedModule, ResourcesStayWithTheirModule)
{
    HMODULE module = GetModuleHandleW(u"resource_fixture");
    std::vector<uint8_t> expected = FileBytes(std::string(RESOURCE_TEST_DATA_DIR) + "/fixture.bin");
    EXPECT_EQ(ResourceBytes(module, MAKEINTRESOURCEW(1), u"FIXTURE"), expected);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(1), u"FIXTURE"), nullptr);
    HRSRC fixture = FindResourceW(module, MAKEINTRESOURCEW(1), u"FIXTURE");
    EXPECT_EQ(SizeofResource(nullptr, fixture), 0u);
}

TEST_F(LoadedModule, DependentModuleDoesNotInheritResources)
{
    void* dependent = dlopen(RESOURCE_DEPENDENT_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(dependent, nullptr) << dlerror();
    HMODULE module = GetModuleHandleW(u"resource_dependent");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(1), u"FIXTURE"), nullptr);
    EXPECT_NE(FindResourceW(GetModuleHandleW(u"resource_fixture"), MAKEINTRESOURCEW(1), u"FIXTURE"), nullptr);
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
    WCHAR path[256];
    EXPECT_EQ(GetModuleFileNameW(module, path, 256), 0u);

    library_ = dlopen(RESOURCE_FIXTURE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr);
    HMODULE reloaded = GetModuleHandleW(u"resource_fixture");
    EXPECT_NE(reloaded, module);
    EXPECT_EQ(SizeofResource(module, resource), 0u);
    EXPECT_EQ(SizeofResource(reloaded, FindResourceW(reloaded, MAKEINTRESOURCEW(1), u"FIXTURE")), 12u);
}

}  // namespace
