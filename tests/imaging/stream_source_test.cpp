// The factory reads a picture from the stream's current position to its end, however the stream
// hands out its bytes and whatever size it claims: its size only sizes the buffer.
#include <algorithm>
#include <cstring>

#include "imaging/pictures.h"

namespace {

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
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override { return E_NOTIMPL; }
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

using StreamSourceTest = ImagingTest;

TEST_F(StreamSourceTest, ReadsToTheEndWhateverSizeTheStreamClaims)
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
            streams.push_back({std::to_string(int(claim)) + " " + std::to_string(piece), new HostStream(file, piece, claim)});
    IStream* written = nullptr;  // a host's own memory stream, the picture written into it
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &written), S_OK);
    ASSERT_EQ(written->Write(file.data(), ULONG(file.size()), nullptr), S_OK);
    streams.push_back({"written", written});
    for (auto& [name, stream] : streams) {
        LARGE_INTEGER start;
        start.QuadPart = kHeaderBytes;
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        IImage* image = nullptr;
        EXPECT_EQ(factory_->CreateImageFromStream(stream, &image), S_OK) << name;
        stream->Release();
        if (!image) continue;
        Canvas canvas(1, 1, 0);
        RECT destination = {0, 0, 1, 1};
        RECT source = {ToHimetric(kSide - 1, 96), ToHimetric(kSide - 1, 96), ToHimetric(kSide, 96), ToHimetric(kSide, 96)};
        EXPECT_EQ(image->Draw(canvas.dc(), &destination, &source), S_OK);
        uint32_t last = pixels.back();
        EXPECT_EQ(canvas.At(0, 0), RGB(last >> 16 & 0xFF, last >> 8 & 0xFF, last & 0xFF)) << name << ": the last pixel";
        image->Release();
    }
}

}  // namespace
