// Loads and unloads the library in a process that does not link it.
#include <dlfcn.h>

#include "support/host_fixture.h"

namespace {

TEST(LibraryLoad, UnloadReleasesTheFactoryOnceAndStalesTheModule)
{
    ASSERT_EQ(wincore::ComInitCount(), 0);
    int objects = wincore::LiveComObjects();
    void* library = dlopen(RKNAV_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_EQ(wincore::ComInitCount(), 1);
    EXPECT_EQ(wincore::LiveComObjects(), objects + 1) << "one factory";
    HMODULE module = GetModuleHandleW(u"RKNavCtrlEx");
    ASSERT_NE(module, nullptr);
    SetLastError(0);
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(1), u"NOSUCHTYPE"), nullptr);
    EXPECT_EQ(GetLastError(), 1813u) << "a loaded module without that type";
    EXPECT_EQ(dlclose(library), 0);
    EXPECT_EQ(wincore::ComInitCount(), 0);
    EXPECT_EQ(wincore::LiveComObjects(), objects);
    // The module was found loaded a moment ago; its handle must still turn stale with the unload.
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(1), u"NOSUCHTYPE"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

}  // namespace
