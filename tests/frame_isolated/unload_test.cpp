// Loads and unloads the library in a process that does not link it.
#include <dlfcn.h>

#include "support/host_fixture.h"

namespace {

TEST(LibraryLoad, UnloadReleasesTheFactoryOnceAndBalancesCom)
{
    ASSERT_EQ(wincore::ComInitCount(), 0);
    int objects = wincore::LiveComObjects();
    void* library = dlopen(RKNAV_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_EQ(wincore::ComInitCount(), 1);
    EXPECT_EQ(wincore::LiveComObjects(), objects + 1) << "one factory";
    EXPECT_NE(GetModuleHandleW(u"RKNavCtrlEx"), nullptr);
    EXPECT_EQ(dlclose(library), 0);
    EXPECT_EQ(wincore::ComInitCount(), 0);
    EXPECT_EQ(wincore::LiveComObjects(), objects);
}

}  // namespace
