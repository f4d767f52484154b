#include <gtest/gtest.h>

#include <windows.h>

#include "resource/data/test_ids.h"
#include "resource/resource_bytes.h"

namespace {

const std::string kData = RESOURCE_TEST_DATA_DIR;

TEST(ResourceLookup, FindsIntegerIdsOfCustomTypeInTheExecutable)
{
    HRSRC byNull = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG");
    ASSERT_NE(byNull, nullptr);
    EXPECT_EQ(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), byNull);
    // Type names compare without regard to case; "#120" names the integer id.
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"png"), byNull);
    EXPECT_EQ(FindResourceW(nullptr, u"#120", u"Png"), byNull);
    EXPECT_EQ(ResourceBytes(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), FileBytes(kData + "/blob.bin"));
    EXPECT_EQ(SizeofResource(nullptr, byNull), 300u);
}

TEST(ResourceLookup, FindsStringNamesAndQuotedTypes)
{
    HRSRC named = FindResourceW(nullptr, u"named", RT_RCDATA);
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(FindResourceW(nullptr, u"NAMED", RT_RCDATA), named);
    EXPECT_EQ(ResourceBytes(nullptr, u"Named", RT_RCDATA), FileBytes(kData + "/blob.bin"));
    // The same name under another type is another resource, kept byte for byte (no bitmap stripping).
    EXPECT_EQ(ResourceBytes(nullptr, u"Named", u"PNG"), FileBytes(kData + "/small.bmp"));
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_EMPTY), u"my type"), nullptr);
}

TEST(ResourceLookup, EmptyResourceHasSizeZeroAndStillLoads)
{
    HRSRC empty = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_EMPTY), u"MY TYPE");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, empty), 0u);
    HGLOBAL data = LoadResource(nullptr, empty);
    EXPECT_NE(data, nullptr);
    EXPECT_EQ(LockResource(data), data);
}

TEST(ResourceLookup, BitmapLosesItsFileHeader)
{
    std::vector<uint8_t> file = FileBytes(kData + "/small.bmp");
    std::vector<uint8_t> bitmap = ResourceBytes(nullptr, MAKEINTRESOURCEW(IDB_SMALL), RT_BITMAP);
    ASSERT_EQ(bitmap.size(), file.size() - 14);
    EXPECT_TRUE(std::equal(bitmap.begin(), bitmap.end(), file.begin() + 14));
    uint32_t headerSize = bitmap[0] | bitmap[1] << 8;
    EXPECT_EQ(headerSize, 40u);  // starts with the BITMAPINFOHEADER
}

TEST(ResourceLookup, ReportsWhatIsMissing)
{
    SetLastError(0);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"NOSUCHTYPE"), nullptr);
    EXPECT_EQ(GetLastError(), 1813u);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(999), u"PNG"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, nullptr, u"PNG"), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), nullptr), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, u"#abc", u"PNG"), nullptr);
}

TEST(ResourceLookup, ModuleWithoutResourcesHasNone)
{
    HMODULE platform = GetModuleHandleW(u"wincore");
    ASSERT_NE(platform, nullptr);
    EXPECT_EQ(FindResourceW(platform, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
}

TEST(ResourceLookup, RejectsStaleAndForeignHandles)
{
    HRSRC blob = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG");
    ASSERT_NE(blob, nullptr);
    auto made_up = reinterpret_cast<HMODULE>(uintptr_t(0x7777));
    EXPECT_EQ(FindResourceW(made_up, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    // A resource handle is no module, and a module handle no resource.
    EXPECT_EQ(FindResourceW(reinterpret_cast<HMODULE>(blob), MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, reinterpret_cast<HRSRC>(GetModuleHandleW(nullptr))), 0u);
    EXPECT_EQ(LoadResource(nullptr, reinterpret_cast<HRSRC>(uintptr_t(0x7777))), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
    // The executable's resource asked for through another module.
    EXPECT_EQ(SizeofResource(GetModuleHandleW(u"wincore"), blob), 0u);
    EXPECT_EQ(LoadResource(GetModuleHandleW(u"wincore"), blob), nullptr);
}

TEST(LockResource, AcceptsOnlyLoadedResourceData)
{
    HRSRC blob = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG");
    HGLOBAL data = LoadResource(nullptr, blob);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(LockResource(data), data);
    EXPECT_FALSE(FreeResource(data));  // Win32's "success"; the data stays usable
    EXPECT_EQ(LockResource(data), data);
    int local = 0;
    EXPECT_EQ(LockResource(&local), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
    EXPECT_TRUE(FreeResource(&local));
}

}  // namespace
