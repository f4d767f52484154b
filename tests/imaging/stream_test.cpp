// Streams: the global-memory stream as the factory reads it (size, position, bytes), and the
// factory reading a picture from a stream's current position to its end, however the stream hands
// out its bytes and whatever size it claims (its size only sizes the buffer).
#include <algorithm>
#include <cstring>
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

ULONGLONG Seek(IStream* stream, LONGLONG move, DWORD origin)
{
    LARGE_INTEGER offset;
    offset.QuadPart = move;
    ULARGE_INTEGER position;
    position.QuadPart = 12345;
    EXPECT_EQ(stream->Seek(offset, origin, &position), S_OK);
    return position.QuadPart;
}

enum class Claim { Failing, Truthful, TooSmall, Enormous };

// A host's own stream: reads at most `piece` bytes a call and reports `claim` as its size.
class HostStream final : public IStream {
public:
    HostStream(Bytes bytes, size_t piece, Claim claim) : bytes_(std::move(bytes)), piece_(piece), claim_(claim) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG bytes, ULONG* bytesRead) override
    {
        if (!buffer || !bytesRead) return STG_E_INVALIDPOINTER;
        size_t count = std::min({size_t(bytes), piece_, bytes_.size() - position_});
        std::memcpy(buffer, bytes_.data() + position_, count);
        position_ += count;
        *bytesRead = ULONG(count);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override
    {
        position_ = size_t(move.QuadPart) + (origin == STREAM_SEEK_CUR ? position_ : 0);
        if (newPosition) newPosition->QuadPart = position_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* statistics, DWORD) override
    {
        if (claim_ == Claim::Failing) return E_NOTIMPL;
        *statistics = {};
        statistics->type = STGTY_STREAM;
        const ULONGLONG sizes[] = {0, bytes_.size(), 10, ULONGLONG(1) << 40};
        statistics->cbSize.QuadPart = sizes[int(claim_)];
        return S_OK;
    }
    // What the factory never asks of a stream.
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

private:
    Bytes bytes_;
    size_t piece_;
    Claim claim_;
    size_t position_ = 0;
    ULONG references_ = 1;
};

constexpr int kSide = 300;
constexpr size_t kHeaderBytes = 7;  // a host's own header before the picture

TEST_F(StreamTest, ReadsToTheEndWhateverSizeTheStreamClaims)
{
    std::vector<uint32_t> pixels;  // noise, which deflate cannot shrink
    uint32_t noise = 1;
    for (int i = 0; i < kSide * kSide; i++) {
        noise = noise * 1664525u + 1013904223u;
        pixels.push_back(0xFF000000u | noise >> 8);
    }
    Bytes file(kHeaderBytes, 'h');
    Bytes png = RgbaPng(kSide, kSide, pixels);
    ASSERT_GT(png.size(), size_t(3) << 16) << "the picture spans several of the reader's chunks";
    file.insert(file.end(), png.begin(), png.end());
    std::vector<std::pair<std::string, IStream*>> streams;
    for (Claim claim : {Claim::Failing, Claim::Truthful, Claim::TooSmall, Claim::Enormous})
        for (size_t piece : {size_t(1000), size_t(1) << 30})
            streams.push_back({"claim " + std::to_string(int(claim)) + ", pieces of " + std::to_string(piece),
                               new HostStream(file, piece, claim)});
    IStream* written = nullptr;  // a host's own memory stream, the picture written into it
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &written), S_OK);
    ASSERT_EQ(written->Write(file.data(), ULONG(file.size()), nullptr), S_OK);
    streams.push_back({"written", written});
    for (auto& [name, stream] : streams) {
        EXPECT_EQ(Seek(stream, kHeaderBytes, STREAM_SEEK_SET), kHeaderBytes) << name;
        IImage* image = nullptr;
        EXPECT_EQ(factory_->CreateImageFromStream(stream, &image), S_OK) << name;
        stream->Release();
        // A picture cut short is refused, so a decoded one was read to its end.
        if (!image) continue;
        EXPECT_EQ(Describe(image), "PNG 300x300 96x96dpi 7938x7938 alpha rgb realsize") << name;
        image->Release();
    }
}

TEST_F(StreamTest, ReadsAndSeeksTheCallersBlockAndNeverPastIt)
{
    HGLOBAL block = BlockWith("hello world", 11);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    STATSTG stat;
    EXPECT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.type, DWORD(STGTY_STREAM));
    EXPECT_EQ(stat.cbSize.QuadPart, 11u);
    EXPECT_EQ(ReadAll(stream), "hello world");
    EXPECT_EQ(ReadAll(stream), "");
    EXPECT_EQ(Seek(stream, 6, STREAM_SEEK_SET), 6u);
    EXPECT_EQ(ReadAll(stream), "world");
    EXPECT_EQ(Seek(stream, -5, STREAM_SEEK_END), 6u);
    EXPECT_EQ(Seek(stream, -2, STREAM_SEEK_CUR), 4u);
    EXPECT_EQ(ReadAll(stream), "o world");

    LARGE_INTEGER before;
    before.QuadPart = -1;
    EXPECT_EQ(stream->Seek(before, STREAM_SEEK_SET, nullptr), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Seek(before, 7, nullptr), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Read(nullptr, 1, nullptr), STG_E_INVALIDPOINTER);
    EXPECT_EQ(stream->Stat(nullptr, STATFLAG_DEFAULT), STG_E_INVALIDPOINTER);

    EXPECT_EQ(stream->Release(), 0u);
    EXPECT_EQ(GlobalSize(block), 11u) << "the stream did not own the block";

    // The block shrinks, then goes, behind a stream's back: never read past it.
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    ASSERT_EQ(GlobalReAlloc(block, 2, GMEM_MOVEABLE), block);
    EXPECT_EQ(ReadAll(stream), "he");
    GlobalFree(block);
    EXPECT_EQ(ReadAll(stream, STG_E_READFAULT), "");
    stream->Release();
}

// The members hosts use to copy streams: a clone shares the block (the last stream frees it),
// CopyTo copies from the position, SetSize cuts.
TEST_F(StreamTest, ClonesCopiesAndCutsShareOneBlock)
{
    HGLOBAL block = BlockWith("abcdef", 6);
    IStream *stream = nullptr, *clone = nullptr, *target = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), S_OK);
    Seek(stream, 2, STREAM_SEEK_SET);
    ASSERT_EQ(stream->Clone(&clone), S_OK);
    EXPECT_EQ(clone->Write("XY", 2, nullptr), S_OK);
    EXPECT_EQ(Seek(stream, 0, STREAM_SEEK_CUR), 2u) << "positions are independent";
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &target), S_OK);
    ULARGE_INTEGER count, read, written;
    count.QuadPart = 100;
    EXPECT_EQ(stream->CopyTo(target, count, &read, &written), S_OK);
    EXPECT_EQ(read.QuadPart * 10 + written.QuadPart, 44u);
    count.QuadPart = 3;
    EXPECT_EQ(target->SetSize(count), S_OK);
    Seek(target, 0, STREAM_SEEK_SET);
    EXPECT_EQ(ReadAll(target), "XYe");
    EXPECT_EQ(stream->Clone(nullptr), STG_E_INVALIDPOINTER);
    EXPECT_EQ(stream->Release() + target->Release(), 0u);
    EXPECT_NE(GlobalSize(block), 0u);
    EXPECT_EQ(clone->Release(), 0u);
    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(GlobalSize(block) == 0 && GetLastError() == ERROR_INVALID_HANDLE) << "freed with the last stream";
}

TEST_F(StreamTest, RefusesBadArguments)
{
    EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, nullptr), E_POINTER);
    HGLOBAL block = BlockWith("x", 1);
    GlobalFree(block);
    IStream* stream = reinterpret_cast<IStream*>(&block);
    EXPECT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), E_INVALIDARG);
    EXPECT_EQ(stream, nullptr);

    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    void* object = nullptr;
    EXPECT_EQ(stream->QueryInterface(IID_ISequentialStream, &object), S_OK);
    EXPECT_EQ(object, static_cast<void*>(stream));
    EXPECT_EQ(stream->QueryInterface(IID_IImage, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(stream->Release(), 1u);
    EXPECT_EQ(stream->Release(), 0u);
}

}  // namespace
