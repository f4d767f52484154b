// Finding, loading and locking the resources of the tests' own executable, and the test hook that
// withholds one type of them.
#include <gtest/gtest.h>

#include <windows.h>

#include <wincore/host.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resource/data/test_ids.h"

namespace {

std::vector<uint8_t> ResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    HRSRC resource = FindResourceW(module, name, type);
    auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
    return data ? std::vector<uint8_t>(data, data + SizeofResource(module, resource)) : std::vector<uint8_t>();
}

std::vector<uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string kData = RESOURCE_TEST_DATA_DIR;

// Type names compare without case; a resource is kept byte for byte, only a bitmap loses its file
// header.
TEST(ResourceLookup, IdsNamesAndTypesInAnySpelling)
{
    const std::vector<uint8_t> blob = FileBytes(kData + "/blob.bin"), bmp = FileBytes(kData + "/small.bmp");
    const std::vector<uint8_t> dib(bmp.begin() + 14, bmp.end());
    ASSERT_EQ(blob.size(), 300u);
    ASSERT_EQ(dib.at(0), 40) << "a BITMAPINFOHEADER";
    const struct {
        HMODULE module;
        LPCWSTR name, type;
        const std::vector<uint8_t>& bytes;
    } rows[] = {
        {nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG", blob},
        {GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_BLOB), u"png", blob},
        {nullptr, MAKEINTRESOURCEW(IDB_SMALL), RT_BITMAP, dib},
    };
    for (size_t i = 0; i < std::size(rows); i++)
        EXPECT_EQ(ResourceBytes(rows[i].module, rows[i].name, rows[i].type), rows[i].bytes) << "row " << i;
}

// A missing name is reported; foreign module and resource handles are rejected, never followed.
TEST(ResourceLookup, ReportsWhatIsMissingAndRejectsForeignHandles)
{
    const struct {
        HMODULE module;
        WORD id;
        DWORD error;
    } rows[] = {
        {nullptr, 999, ERROR_RESOURCE_NAME_NOT_FOUND},
        {reinterpret_cast<HMODULE>(uintptr_t(0x7777)), IDR_BLOB, ERROR_INVALID_HANDLE},
    };
    for (const auto& row : rows) {
        SetLastError(0);
        EXPECT_EQ(FindResourceW(row.module, MAKEINTRESOURCEW(row.id), u"PNG"), nullptr) << row.id;
        EXPECT_EQ(GetLastError(), row.error) << row.id;
    }
    EXPECT_EQ(LoadResource(nullptr, reinterpret_cast<HRSRC>(uintptr_t(0x7777))), nullptr);
}

// As if the module had been built without them, until restored or the host stops.
TEST(WithheldResources, OneTypeOfOneModuleIsNotFoundUntilRestored)
{
    HMODULE self = GetModuleHandleW(nullptr);
    wincore::WithholdResources(self, RT_BITMAP);
    EXPECT_EQ(LoadBitmapW(self, MAKEINTRESOURCEW(IDB_SMALL)), nullptr);
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_BLOB), u"PNG"), nullptr) << "other types stay";
    wincore::RestoreResources();
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
