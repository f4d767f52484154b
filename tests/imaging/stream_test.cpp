// The global-memory stream as the factory reads it: from its position to its end, over the
// caller's block and never past it; and the members the controls never call, once each.
#include <string>

#include "imaging/pictures.h"

namespace {

using StreamTest = ImagingTest;

std::string ReadAll(IStream* stream, HRESULT expected = S_OK)
{
    char buffer[64] = {};
    ULONG read = 99;
    EXPECT_EQ(stream->Read(buffer, sizeof buffer, &read), expected);
    return std::string(buffer, read);
}

ULONGLONG Seek(IStream* stream, LONGLONG move, DWORD origin, HRESULT expected = S_OK)
{
    LARGE_INTEGER offset;
    offset.QuadPart = move;
    ULARGE_INTEGER position;
    position.QuadPart = 12345;
    EXPECT_EQ(stream->Seek(offset, origin, &position), expected);
    return position.QuadPart;
}

// A host's header, then a picture larger than the reader's chunks, written into a growing stream.
TEST_F(StreamTest, FactoryReadsFromThePositionToTheEnd)
{
    std::vector<uint32_t> pixels;  // noise, which deflate cannot shrink
    for (uint32_t i = 0, noise = 1; i < 300 * 300; i++)
        pixels.push_back(0xFF000000u | (noise = noise * 1664525u + 1013904223u) >> 8);
    Bytes png = RgbaPng(300, 300, pixels);
    ASSERT_GT(png.size(), size_t(3) << 16);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ASSERT_EQ(stream->Write("header", 6, nullptr), S_OK);
    ASSERT_EQ(stream->Write(png.data(), ULONG(png.size()), nullptr), S_OK);
    EXPECT_EQ(Seek(stream, 6, STREAM_SEEK_SET), 6u);
    IImage* image = nullptr;
    ASSERT_EQ(factory_->CreateImageFromStream(stream, &image), S_OK);
    stream->Release();
    EXPECT_EQ(Describe(image), "PNG 300x300 96x96dpi 7938x7938 alpha rgb realsize");
    image->Release();
}

TEST_F(StreamTest, ReadsAndSeeksTheCallersBlockAndNeverPastIt)
{
    HGLOBAL block = BlockWith("hello world", 11);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    EXPECT_EQ(ReadAll(stream), "hello world");
    EXPECT_EQ(ReadAll(stream), "");
    EXPECT_EQ(Seek(stream, -5, STREAM_SEEK_END), 6u);
    EXPECT_EQ(Seek(stream, -2, STREAM_SEEK_CUR), 4u);
    EXPECT_EQ(ReadAll(stream), "o world");
    Seek(stream, -1, STREAM_SEEK_SET, STG_E_INVALIDFUNCTION);
    Seek(stream, 0, 7, STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Read(nullptr, 1, nullptr), STG_E_INVALIDPOINTER);
    EXPECT_EQ(stream->Release(), 0u);
    EXPECT_EQ(GlobalSize(block), 11u) << "the stream did not own the block";

    // The block shrinks, then goes, behind a stream's back.
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    ASSERT_EQ(GlobalReAlloc(block, 2, GMEM_MOVEABLE), block);
    EXPECT_EQ(ReadAll(stream), "he");
    GlobalFree(block);
    EXPECT_EQ(ReadAll(stream, STG_E_READFAULT), "");
    stream->Release();
    IStream* none = reinterpret_cast<IStream*>(&block);  // a failure must clear it
    EXPECT_EQ(CreateStreamOnHGlobal(block, TRUE, &none), E_INVALIDARG);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, nullptr), E_POINTER);
}

// A clone shares the block (the last stream frees it) but not the position; CopyTo copies from
// the position, SetSize cuts.
TEST_F(StreamTest, MembersTheControlsNeverCall)
{
    HGLOBAL block = BlockWith("abcdef", 6);
    IStream *stream = nullptr, *clone = nullptr, *target = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), S_OK);
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &target), S_OK);
    Seek(stream, 2, STREAM_SEEK_SET);
    ASSERT_EQ(stream->Clone(&clone), S_OK);
    ULARGE_INTEGER all = {}, cut = {}, read = {}, written = {};
    all.QuadPart = 100;
    cut.QuadPart = 3;
    STATSTG stat = {};
    void *sequential = nullptr, *none = this;
    const std::vector<HRESULT> results = {
        clone->Write("XY", 2, nullptr), stream->CopyTo(target, all, &read, &written), target->SetSize(cut),
        stream->Stat(&stat, STATFLAG_NONAME), stream->Stat(nullptr, 0), stream->Clone(nullptr),
        stream->Commit(0), stream->Revert(), stream->LockRegion(all, all, 0), stream->UnlockRegion(all, all, 0),
        stream->QueryInterface(IID_ISequentialStream, &sequential), stream->QueryInterface(IID_IImage, &none)};
    EXPECT_EQ(results, (std::vector<HRESULT>{S_OK, S_OK, S_OK, S_OK, STG_E_INVALIDPOINTER, STG_E_INVALIDPOINTER, S_OK,
                                             S_OK, STG_E_INVALIDFUNCTION, STG_E_INVALIDFUNCTION, S_OK, E_NOINTERFACE}));
    EXPECT_EQ(read.QuadPart * 10 + written.QuadPart + stat.cbSize.QuadPart * 100, 644u);
    Seek(target, 0, STREAM_SEEK_SET);
    EXPECT_EQ(ReadAll(target), "XYe");
    EXPECT_TRUE(sequential == stream && none == nullptr);
    stream->Release();  // the reference QueryInterface added
    EXPECT_EQ(stream->Release() + target->Release(), 0u);
    EXPECT_NE(GlobalSize(block), 0u);
    EXPECT_EQ(clone->Release(), 0u);
    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(GlobalSize(block) == 0 && GetLastError() == ERROR_INVALID_HANDLE) << "freed with the last stream";
}

}  // namespace
