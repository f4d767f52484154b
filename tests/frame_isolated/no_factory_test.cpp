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
    EXPECT_NE(GetModuleInstance(), nullptr);
    EXPECT_EQ(GetModuleInstance(), GetModuleHandleW(u"RKNavCtrlEx"));
    int objects = wincore::LiveComObjects();
    CNavImage image;
    EXPECT_EQ(image.LoadFromResource(120, GetModuleInstance(), u"PNG"), 0);
    EXPECT_EQ(image.LoadFromFile(u"/nonexistent.png"), 0);
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_EQ(wincore::LiveComObjects(), objects);
    HBITMAP bitmap = LoadBitmapW(GetModuleInstance(), MAKEINTRESOURCEW(105));
    EXPECT_NE(bitmap, nullptr) << "bitmaps do not need the imaging service";
    DeleteObject(bitmap);
}

}  // namespace
