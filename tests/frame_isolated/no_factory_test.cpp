// Runs in a process where the imaging factory cannot be created.
#include "frame/Module.h"
#include "frame/NavImage.h"
#include "support/host_fixture.h"

namespace {

using NoFactoryTest = HostTest;

TEST_F(NoFactoryTest, LibraryLoadsButPicturesDoNot)
{
    ASSERT_NE(getenv("WINCORE_NO_IMAGING_FACTORY"), nullptr);
    EXPECT_EQ(ImagingFactory(), nullptr);
    EXPECT_TRUE(GetModuleInstance() && GetModuleInstance() == GetModuleHandleW(u"RKNavCtrlEx"));
    int objects = wincore::LiveComObjects();
    CNavImage image;
    EXPECT_EQ(image.LoadFromResource(120, GetModuleInstance(), u"PNG") + image.LoadFromFile(u"/nonexistent.png"), 0);
    EXPECT_TRUE(image.GetWidth() == 0 && wincore::LiveComObjects() == objects);
    HBITMAP bitmap = LoadBitmapW(GetModuleInstance(), MAKEINTRESOURCEW(105));
    EXPECT_NE(bitmap, nullptr) << "bitmaps do not need the imaging service";
    DeleteObject(bitmap);
}

}  // namespace
