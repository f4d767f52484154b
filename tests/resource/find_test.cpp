// Finding, loading and locking the resources of the tests' own executable, and the test hook that
// withholds one type of them.
#include <gtest/gtest.h>

#include <windows.h>

#include <wincore/host.h>

#include "resource/data/test_ids.h"
#include "resource/resource_bytes.h"

namespace {

const std::string kData = RESOURCE_TEST_DATA_DIR;

// Type names compare without regard to case; "#120" names the integer id; the same name under
// another type is another resource, kept byte for byte (no bitmap stripping).
TEST(ResourceLookup, IdsNamesAndTypesInAnySpelling)
{
    HRSRC blob = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG");
    ASSERT_NE(blob, nullptr);
    EXPECT_EQ(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), blob);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"png"), blob);
    EXPECT_EQ(FindResourceW(nullptr, u"#120", u"Png"), blob);
    EXPECT_EQ(SizeofResource(nullptr, blob), 300u);
    const std::vector<uint8_t> blobFile = FileBytes(kData + "/blob.bin");
    EXPECT_EQ(ResourceBytes(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), blobFile);

    HRSRC named = FindResourceW(nullptr, u"named", RT_RCDATA);
    EXPECT_EQ(FindResourceW(nullptr, u"NAMED", RT_RCDATA), named);
    EXPECT_EQ(ResourceBytes(nullptr, u"Named", RT_RCDATA), blobFile);
    EXPECT_EQ(ResourceBytes(nullptr, u"Named", u"PNG"), FileBytes(kData + "/small.bmp"));

    HRSRC empty = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_EMPTY), u"my type");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, empty), 0u);
    HGLOBAL data = LoadResource(nullptr, empty);
    EXPECT_NE(data, nullptr) << "an empty resource still loads";
    EXPECT_EQ(LockResource(data), data);
}

// Only loaded resource data locks; freeing it is Win32's "success" (FALSE) and leaves it usable.
TEST(LockResource, AcceptsOnlyLoadedResourceData)
{
    HGLOBAL data = LoadResource(nullptr, FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"));
    ASSERT_NE(data, nullptr);
    EXPECT_FALSE(FreeResource(data));
    EXPECT_EQ(LockResource(data), data);
    int local = 0;
    EXPECT_EQ(LockResource(&local), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
    EXPECT_TRUE(FreeResource(&local));
}

TEST(ResourceLookup, BitmapLosesItsFileHeader)
{
    std::vector<uint8_t> file = FileBytes(kData + "/small.bmp");
    file.erase(file.begin(), file.begin() + 14);
    std::vector<uint8_t> bitmap = ResourceBytes(nullptr, MAKEINTRESOURCEW(IDB_SMALL), RT_BITMAP);
    EXPECT_EQ(bitmap, file);
    EXPECT_EQ(bitmap.at(0), 40) << "starts with the BITMAPINFOHEADER";
}

TEST(ResourceLookup, ReportsWhatIsMissingAndRejectsStaleAndForeignHandles)
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
    HMODULE platform = GetModuleHandleW(u"wincore");
    EXPECT_EQ(FindResourceW(platform, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr) << "a module without resources";

    HRSRC blob = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG");
    EXPECT_EQ(FindResourceW(reinterpret_cast<HMODULE>(uintptr_t(0x7777)), MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    // A resource handle is no module, and a module handle no resource.
    EXPECT_EQ(FindResourceW(reinterpret_cast<HMODULE>(blob), MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, reinterpret_cast<HRSRC>(GetModuleHandleW(nullptr))), 0u);
    EXPECT_EQ(LoadResource(nullptr, reinterpret_cast<HRSRC>(uintptr_t(0x7777))), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
    EXPECT_EQ(SizeofResource(platform, blob), 0u) << "the executable's resource asked for through another module";
    EXPECT_EQ(LoadResource(platform, blob), nullptr);
}

// As if the module had been built without them, until restored or the host stops.
TEST(WithheldResources, OneTypeOfOneModuleIsNotFoundUntilRestored)
{
    HMODULE self = GetModuleHandleW(nullptr);
    wincore::WithholdResources(self, u"png");
    wincore::WithholdResources(self, RT_BITMAP);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, u"Named", u"PNG"), nullptr);
    EXPECT_EQ(LoadBitmapW(self, MAKEINTRESOURCEW(IDB_SMALL)), nullptr);
    EXPECT_NE(FindResourceW(nullptr, u"named", RT_RCDATA), nullptr) << "other types stay";
    wincore::RestoreResources();
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    HBITMAP bitmap = LoadBitmapW(self, MAKEINTRESOURCEW(IDB_SMALL));
    EXPECT_NE(bitmap, nullptr);
    DeleteObject(bitmap);

    wincore::HostStart();
    wincore::WithholdResources(nullptr, u"PNG");
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
    wincore::HostStop();
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr);
}

}  // namespace
