// What the library's resource script compiles to: every picture under its id and type, with the
// size the controls expect, and the menus' dialog templates byte for byte.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <windows.h>

#include "resource/resource_bytes.h"

namespace {

struct Picture {
    WORD id;
    uint32_t width;
    uint32_t height;
};

uint32_t BigEndian(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
}

uint32_t LittleEndian(const uint8_t* bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | uint32_t(bytes[3]) << 24;
}

class LibraryScript : public testing::Test {
protected:
    void SetUp() override
    {
        library_ = dlopen(RESOURCE_LIBRARY_SCRIPT_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
        module_ = GetModuleHandleW(u"resource_library_script");
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override
    {
        if (library_) dlclose(library_);
    }

    std::vector<uint8_t> Template(WORD id) { return ResourceBytes(module_, MAKEINTRESOURCEW(id), RT_DIALOG); }

    void* library_ = nullptr;
    HMODULE module_ = nullptr;
};

TEST_F(LibraryScript, PngPicturesHaveTheirSizes)
{
    const Picture pictures[] = {
        {120, 252, 42}, {121, 252, 42}, {122, 252, 42}, {123, 252, 42},
        {124, 252, 42}, {126, 216, 102}, {127, 216, 102}, {129, 960, 44},
    };
    for (const Picture& picture : pictures) {
        std::vector<uint8_t> png = ResourceBytes(module_, MAKEINTRESOURCEW(picture.id), u"PNG");
        ASSERT_GT(png.size(), 24u) << picture.id;
        EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG") << picture.id;
        EXPECT_EQ(BigEndian(&png[16]), picture.width) << picture.id;
        EXPECT_EQ(BigEndian(&png[20]), picture.height) << picture.id;
    }
}

TEST_F(LibraryScript, BitmapsStartWithTheirInfoHeader)
{
    const Picture bitmaps[] = {{104, 139, 32}, {105, 30, 30}, {106, 30, 30}, {107, 180, 270}, {128, 56, 27}};
    for (const Picture& bitmap : bitmaps) {
        std::vector<uint8_t> dib = ResourceBytes(module_, MAKEINTRESOURCEW(bitmap.id), RT_BITMAP);
        ASSERT_GT(dib.size(), 40u) << bitmap.id;
        EXPECT_EQ(LittleEndian(&dib[0]), 40u) << bitmap.id;
        EXPECT_EQ(LittleEndian(&dib[4]), bitmap.width) << bitmap.id;
        EXPECT_EQ(LittleEndian(&dib[8]), bitmap.height) << bitmap.id;
    }
}

std::vector<uint8_t> MenuTemplate(DWORD style, short height)
{
    std::vector<uint8_t> bytes;
    AppendDword(bytes, style);
    AppendDword(bytes, 0);
    AppendWord(bytes, 0);
    for (short value : {short(0), short(0), short(186), height}) AppendWord(bytes, uint16_t(value));
    AppendWord(bytes, 0);
    AppendWord(bytes, 0);
    AppendText(bytes, u"");
    AppendWord(bytes, 8);
    AppendText(bytes, u"仿宋_GB2312");
    return bytes;
}

TEST_F(LibraryScript, MenuDialogTemplates)
{
    EXPECT_EQ(Template(117), MenuTemplate(0x80000040, 95));  // WS_POPUP | DS_SETFONT
    EXPECT_EQ(Template(125), MenuTemplate(0x40000040, 90));  // WS_CHILD | DS_SETFONT, not visible
}

}  // namespace
