// COM start-up counting, creation of the imaging factory, the reference counts and lifetimes of
// the factory, its images and their streams; and the global-memory stream as the factory reads it:
// from its position to its end, over the caller's block and never past it.
#include <string>

#include "imaging/pictures.h"

namespace {

using ComTest = HostTest;  // each case balances COM itself
using LifetimeTest = ImagingTest;
using StreamTest = ImagingTest;

// CoInitializeEx counts and balances; every refusal of CoCreateInstance leaves no object.
TEST_F(ComTest, InitialisationIsCountedAndCreationFailuresLeaveNoObject)
{
    void* object = nullptr;
    auto create = [&object](REFCLSID classId, IUnknown* outer, REFIID interfaceId) {
        object = &object;
        HRESULT result = CoCreateInstance(classId, outer, CLSCTX_INPROC_SERVER, interfaceId, &object);
        EXPECT_EQ(object, nullptr);
        return result;
    };
    EXPECT_EQ(create(CLSID_ImagingFactory, nullptr, IID_IImagingFactory), CO_E_NOTINITIALIZED);
    int reserved = 0;
    const std::vector<HRESULT> results = {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED), CoInitializeEx(nullptr, COINIT_MULTITHREADED),
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), CoInitializeEx(&reserved, COINIT_MULTITHREADED),
        create(CLSID_ImagingFactory, reinterpret_cast<IUnknown*>(&object), IID_IUnknown),
        create(IID_IImage, nullptr, IID_IUnknown), create(CLSID_ImagingFactory, nullptr, IID_IImage),
        CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory, nullptr)};
    EXPECT_EQ(results, (std::vector<HRESULT>{S_OK, S_FALSE, RPC_E_CHANGED_MODE, E_INVALIDARG, CLASS_E_NOAGGREGATION,
                                             REGDB_E_CLASSNOTREG, E_NOINTERFACE, E_POINTER}));
    EXPECT_EQ(wincore::ComInitCount(), 2);
    for (int i = 0; i < 3; i++) CoUninitialize();  // one too many changes nothing
    EXPECT_EQ(wincore::ComInitCount(), 0);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK) << "any mode once balanced";
    CoUninitialize();
    EXPECT_EQ(wincore::LiveComObjects(), 0);
}

// QueryInterface, and the image members the controls never call, once each.
TEST_F(LifetimeTest, FactoryAndImageAreReferenceCounted)
{
    IImage* image = Load(RgbaPng(1, 1, {0xFFFF0000}));
    ASSERT_NE(image, nullptr);
    for (IUnknown* object : std::initializer_list<IUnknown*>{factory_, image}) {
        IUnknown* unknown = nullptr;
        void* other = &other;
        EXPECT_EQ(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
        EXPECT_EQ(object->QueryInterface(IID_IStream, &other), E_NOINTERFACE);
        EXPECT_EQ(object->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
        EXPECT_TRUE(unknown == object && other == nullptr);
        const std::vector<ULONG> counts = {object->AddRef(), object->Release(), unknown->Release()};
        EXPECT_EQ(counts, (std::vector<ULONG>{3, 2, 1}));
    }
    IImage* thumbnail = image;
    const std::vector<HRESULT> results = {image->GetImageInfo(nullptr), image->GetPhysicalDimension(nullptr),
                                          image->SetImageFlags(0), image->GetThumbnail(2, 2, &thumbnail)};
    EXPECT_EQ(results, (std::vector<HRESULT>{E_POINTER, E_POINTER, E_NOTIMPL, E_NOTIMPL}));
    EXPECT_EQ(thumbnail, nullptr);
    EXPECT_EQ(image->Release(), 0u);
    EXPECT_EQ(wincore::LiveComObjects(), comAtStart_ + 1);
}

// The image holds its stream, and the block that the stream owns (as the controls and the demo
// hand it over) lives as long as the image.
TEST_F(LifetimeTest, ImageHoldsItsStreamAndTheBlockItOwns)
{
    Bytes png = RgbaPng(4, 4, std::vector<uint32_t>(16, 0xFFFF0000));
    HGLOBAL block = BlockWith(png.data(), png.size());
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), S_OK);
    IImage* image = nullptr;
    ASSERT_EQ(factory_->CreateImageFromStream(stream, &image), S_OK);
    EXPECT_EQ(stream->Release(), 1u) << "the image holds its own reference";
    EXPECT_EQ(wincore::LiveComObjects(), comAtStart_ + 3);  // factory, image, stream
    EXPECT_EQ(Render(image, 0), Colors(16, kRed));
    EXPECT_EQ(GlobalSize(block), png.size());
    EXPECT_EQ(image->Release(), 0u);
    EXPECT_EQ(GlobalSize(block), 0u) << "the stream frees the block it owns with the image";
    EXPECT_EQ(wincore::LiveComObjects(), comAtStart_ + 1);
}

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

// A host's own stream that tells nothing of its size (the reader then grows its buffer as it goes).
class SizelessStream final : public IStream {
public:
    explicit SizelessStream(IStream* inner) : inner_(inner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override { return inner_->QueryInterface(id, out); }
    ULONG STDMETHODCALLTYPE AddRef() override { return inner_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return inner_->Release(); }
    HRESULT STDMETHODCALLTYPE Read(void* to, ULONG size, ULONG* read) override { return inner_->Read(to, size, read); }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* at) override
    {
        return inner_->Seek(move, origin, at);
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
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
    IStream* inner_;
};

// A host's header, then a picture larger than the reader's chunks, written into a growing stream:
// read from the stream's position to its end, whether or not the stream tells its size.
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
    SizelessStream sizeless(stream);
    for (IStream* source : {stream, static_cast<IStream*>(&sizeless)}) {
        EXPECT_EQ(Seek(stream, 6, STREAM_SEEK_SET), 6u);
        IImage* image = nullptr;
        ASSERT_EQ(factory_->CreateImageFromStream(source, &image), S_OK);
        EXPECT_EQ(Describe(image), "PNG 300x300 96x96dpi 7938x7938 alpha rgb realsize");
        image->Release();
    }
    stream->Release();
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
    void* none = this;
    const std::vector<HRESULT> results = {
        clone->Write("XY", 2, nullptr), stream->CopyTo(target, all, &read, &written), target->SetSize(cut),
        stream->Stat(&stat, STATFLAG_NONAME), stream->Commit(0), stream->Revert(), stream->LockRegion(all, all, 0),
        stream->UnlockRegion(all, all, 0), stream->QueryInterface(IID_IImage, &none)};
    EXPECT_EQ(results, (std::vector<HRESULT>{S_OK, S_OK, S_OK, S_OK, S_OK, S_OK, STG_E_INVALIDFUNCTION,
                                             STG_E_INVALIDFUNCTION, E_NOINTERFACE}));
    EXPECT_EQ(read.QuadPart * 10 + written.QuadPart + stat.cbSize.QuadPart * 100, 644u);
    Seek(target, 0, STREAM_SEEK_SET);
    EXPECT_EQ(ReadAll(target), "XYe");
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(stream->Release() + target->Release(), 0u);
    EXPECT_NE(GlobalSize(block), 0u);
    EXPECT_EQ(clone->Release(), 0u);
    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(GlobalSize(block) == 0 && GetLastError() == ERROR_INVALID_HANDLE) << "freed with the last stream";
}

}  // namespace
