// COM start-up, the imaging factory's and its images' lifetimes, and the global-memory stream as the
// factory reads it: from its position to its end, over the caller's block and never past it.
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
    const std::vector<HRESULT> results = {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED), CoInitializeEx(nullptr, COINIT_MULTITHREADED),
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), create(IID_IImage, nullptr, IID_IUnknown),
        create(CLSID_ImagingFactory, nullptr, IID_IImage)};
    EXPECT_EQ(results, (std::vector<HRESULT>{S_OK, S_FALSE, RPC_E_CHANGED_MODE, REGDB_E_CLASSNOTREG, E_NOINTERFACE}));
    EXPECT_EQ(wincore::ComInitCount(), 2);
    for (int i = 0; i < 3; i++) CoUninitialize();  // one too many changes nothing
    EXPECT_EQ(wincore::ComInitCount(), 0);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK) << "any mode once balanced";
    CoUninitialize();
    EXPECT_EQ(wincore::LiveComObjects(), 0);
}

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
    EXPECT_EQ(image->GetImageInfo(nullptr), E_POINTER);
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

// A header, then a picture larger than the reader's chunks, written into a growing stream: read
// from the stream's position to its end.
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
    EXPECT_EQ(Describe(image), "PNG 300x300 96x96dpi 7938x7938 alpha rgb realsize");
    image->Release();
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

    // The block goes behind a stream's back.
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    GlobalFree(block);
    EXPECT_EQ(ReadAll(stream, STG_E_READFAULT), "");
    stream->Release();
    IStream* none = reinterpret_cast<IStream*>(&block);  // a failure must clear it
    EXPECT_EQ(CreateStreamOnHGlobal(block, TRUE, &none), E_INVALIDARG);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, nullptr), E_POINTER);
}

}  // namespace
