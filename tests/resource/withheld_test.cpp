// The test hook that makes a module's resources of one type unfindable, as if it had been built
// without them.
#include <gtest/gtest.h>

#include <windows.h>

#include <wincore/host.h>

#include "resource/data/test_ids.h"

namespace {

TEST(WithheldResources, OneTypeOfOneModuleIsNotFoundUntilRestored)
{
    HMODULE self = GetModuleHandleW(nullptr);
    wincore::WithholdResources(self, u"png");
    wincore::WithholdResources(self, RT_BITMAP);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, u"Named", u"PNG"), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDB_SMALL), RT_BITMAP), nullptr);
    EXPECT_EQ(LoadBitmapW(self, MAKEINTRESOURCEW(IDB_SMALL)), nullptr);
    EXPECT_NE(FindResourceW(nullptr, u"named", RT_RCDATA), nullptr) << "other types stay";

    wincore::RestoreResources();
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    HBITMAP bitmap = LoadBitmapW(self, MAKEINTRESOURCEW(IDB_SMALL));
    EXPECT_NE(bitmap, nullptr);
    DeleteObject(bitmap);
}

TEST(WithheldResources, HostStopRestoresThem)
{
    wincore::HostStart();
    wincore::WithholdResources(nullptr, u"PNG");
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    wincore::HostStop();
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
}

}  // namespace
