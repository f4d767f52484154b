// Images and the streams and memory blocks they are made from.
#include <cstring>

#include "imaging/pictures.h"

namespace {

class LifetimeTest : public ImagingTest {
protected:
    static HLOCAL BlockWith(const Bytes& bytes)
    {
        HLOCAL block = LocalAlloc(LMEM_MOVEABLE, bytes.size());
        memcpy(LocalLock(block), bytes.data(), bytes.size());
        LocalUnlock(block);
        return block;
    }

    static bool BlockAlive(HGLOBAL block)
    {
        SetLastError(ERROR_SUCCESS);
        return GlobalSize(block) != 0 || GetLastError() != ERROR_INVALID_HANDLE;
    }

    Bytes RedPicture() { return RgbaPng(4, 4, std::vector<uint32_t>(16, 0xFFFF0000)); }
};

// The controls free the block right after the load, while the image still holds the stream.
TEST_F(LifetimeTest, ImageOutlivesTheBlockItWasReadFrom)
{
    HLOCAL block = BlockWith(RedPicture());
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    IImage* image = nullptr;
    ASSERT_EQ(factory_->CreateImageFromStream(stream, &image), S_OK);
    EXPECT_EQ(stream->Release(), 1u) << "the image holds its own reference";
    LocalFree(block);

    EXPECT_EQ(wincore::LiveComObjects(), comAtStart_ + 3);  // factory, image, stream
    EXPECT_EQ(Render(image, 0), std::vector<COLORREF>(16, RGB(255, 0, 0)));
    EXPECT_EQ(image->Release(), 0u);
    EXPECT_EQ(wincore::LiveComObjects(), comAtStart_ + 1);
}

TEST_F(LifetimeTest, OwnedBlockLivesAsLongAsTheImage)
{
    HLOCAL block = BlockWith(RedPicture());
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), S_OK);
    IImage* image = nullptr;
    ASSERT_EQ(factory_->CreateImageFromStream(stream, &image), S_OK);
    stream->Release();
    EXPECT_TRUE(BlockAlive(block));
    image->Release();
    EXPECT_FALSE(BlockAlive(block));
}

TEST_F(LifetimeTest, ReadsFromTheStreamsPosition)
{
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    Bytes png = RedPicture();
    ASSERT_EQ(stream->Write("junk", 4, nullptr), S_OK);
    ASSERT_EQ(stream->Write(png.data(), ULONG(png.size()), nullptr), S_OK);
    LARGE_INTEGER start;
    start.QuadPart = 4;
    ASSERT_EQ(stream->Seek(start, STREAM_SEEK_SET, nullptr), S_OK);
    IImage* image = nullptr;
    EXPECT_EQ(factory_->CreateImageFromStream(stream, &image), S_OK);
    stream->Release();
    ASSERT_NE(image, nullptr);
    image->Release();
}

TEST_F(LifetimeTest, ImageInterfaceAndCounts)
{
    IImage* image = Load(RedPicture());
    ASSERT_NE(image, nullptr);
    IUnknown* unknown = nullptr;
    EXPECT_EQ(image->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(static_cast<void*>(unknown), static_cast<void*>(image));
    void* other = &other;
    EXPECT_EQ(image->QueryInterface(IID_IImagingFactory, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(image->AddRef(), 3u);
    EXPECT_EQ(image->Release(), 2u);
    EXPECT_EQ(unknown->Release(), 1u);

    EXPECT_EQ(image->GetImageInfo(nullptr), E_POINTER);
    EXPECT_EQ(image->GetPhysicalDimension(nullptr), E_POINTER);
    EXPECT_EQ(image->SetImageFlags(0), E_NOTIMPL);
    IImage* thumbnail = image;
    EXPECT_EQ(image->GetThumbnail(2, 2, &thumbnail), E_NOTIMPL);
    EXPECT_EQ(thumbnail, nullptr);
    EXPECT_EQ(image->Release(), 0u);
}

}  // namespace
