// COM start-up, an image's lifetime with its stream, and the global-memory stream as the factory
// reads it: whole, over the caller's block and never after it is freed.
#include "imaging/pictures.h"

namespace {

using ComTest = HostTest;  // each case balances COM itself
using StreamTest = ImagingTest;

// CoInitializeEx counts and balances; the factory needs it, and its refusal leaves no object.
TEST_F(ComTest, InitialisationIsCountedAndTheFactoryNeedsIt)
{
    void* factory = &factory;
    EXPECT_EQ(CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory, &factory),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(factory, nullptr);
    const std::vector<HRESULT> results = {CoInitializeEx(nullptr, COINIT_MULTITHREADED),
                                          CoInitializeEx(nullptr, COINIT_MULTITHREADED),
                                          CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)};
    EXPECT_EQ(results, (std::vector<HRESULT>{S_OK, S_FALSE, RPC_E_CHANGED_MODE}));
    EXPECT_EQ(wincore::ComInitCount(), 2);
    for (int i = 0; i < 3; i++) CoUninitialize();  // one too many changes nothing
    EXPECT_EQ(wincore::ComInitCount(), 0);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK) << "any mode once balanced";
    CoUninitialize();
    EXPECT_EQ(wincore::LiveComObjects(), 0);
}

// The image holds its stream, and the block that the stream owns (as the controls and the demo
// hand it over) lives as long as the image.
TEST_F(StreamTest, ImageHoldsItsStreamAndTheBlockItOwns)
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

// A picture larger than the reader's chunks is read whole.
TEST_F(StreamTest, FactoryReadsAPictureLargerThanItsChunks)
{
    std::vector<uint32_t> pixels;  // noise, which deflate cannot shrink
    for (uint32_t i = 0, noise = 1; i < 300 * 300; i++)
        pixels.push_back(0xFF000000u | (noise = noise * 1664525u + 1013904223u) >> 8);
    Bytes png = RgbaPng(300, 300, pixels);
    ASSERT_GT(png.size(), size_t(3) << 16);
    EXPECT_EQ(DescribeOf(png), "PNG 300x300 96x96dpi 7938x7938 alpha rgb realsize");
}

// A block freed behind a stream's back is never read, and a freed block makes no stream.
TEST_F(StreamTest, FreedBlocksAreNeverRead)
{
    HGLOBAL block = BlockWith("hello world", 11);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    GlobalFree(block);
    char buffer[16] = {};
    ULONG read = 99;
    EXPECT_EQ(stream->Read(buffer, sizeof buffer, &read), STG_E_READFAULT);
    EXPECT_EQ(read, 0u);
    stream->Release();
    IStream* none = reinterpret_cast<IStream*>(&block);  // a failure must clear it
    EXPECT_EQ(CreateStreamOnHGlobal(block, TRUE, &none), E_INVALIDARG);
    EXPECT_EQ(none, nullptr);
}

}  // namespace
