// Data that is no picture, is cut short or corrupt, or claims an enormous size fails cleanly:
// a failure result, no image, nothing left allocated (the fixture and ASan check the latter).
#include <cstdio>
#include <string>

#include "imaging/pictures.h"

namespace {

class FailureTest : public ImagingTest {
protected:
    HRESULT Refused(const Bytes& bytes)
    {
        IImage* image = reinterpret_cast<IImage*>(this);
        HRESULT result = Decode(bytes, &image);
        EXPECT_TRUE(FAILED(result));
        EXPECT_EQ(image, nullptr);
        if (image && SUCCEEDED(result)) image->Release();
        return result;
    }

    static Bytes Cut(Bytes bytes, size_t size)
    {
        bytes.resize(size);
        return bytes;
    }

    static Bytes SmallPng() { return RgbaPng(8, 8, std::vector<uint32_t>(64, 0xFF112233)); }
};

TEST_F(FailureTest, DataThatIsNoPicture)
{
    Refused({});
    Refused({'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'});
    Refused({'B', 'M'});
    Refused({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    Bytes jpegWithoutFrame = {0xFF, 0xD8, 0xFF};
    jpegWithoutFrame.resize(200, 0);
    Refused(jpegWithoutFrame);
}

TEST_F(FailureTest, TruncatedPictures)
{
    Bytes png = SmallPng();
    Refused(Cut(png, png.size() / 2));
    Refused(Cut(png, 40));
    Bytes jpeg = SolidJpeg(32, 32, RGB(10, 20, 30));
    Refused(Cut(jpeg, jpeg.size() / 2));
    Refused(Cut(jpeg, 30));
    Bytes large = SolidJpeg(256, 256, RGB(10, 20, 30));
    Refused(Cut(large, large.size() - 100));  // inside the scan: libjpeg itself only warns
    BmpSpec spec;
    spec.width = 4;
    spec.height = 4;
    spec.rows.assign(48, 0);
    Bytes bmp = EncodeBmp(spec);
    Refused(Cut(bmp, bmp.size() - 1));
    Refused(Cut(bmp, 60));
}

TEST_F(FailureTest, CorruptPictures)
{
    Bytes png = SmallPng();
    png[png.size() - 20] ^= 0x5A;  // inside the image data: its checksum no longer matches
    Refused(png);

    BmpSpec embedded;  // a JPEG inside a BMP is not read
    embedded.compression = 4;
    embedded.rows = {0, 0, 0, 0};
    Refused(EncodeBmp(embedded));
    BmpSpec noPlanes;
    noPlanes.rows = {0, 0, 0, 0};
    Bytes bmp = EncodeBmp(noPlanes);
    bmp[26] = 0;
    Refused(bmp);
    BmpSpec paletteMissing;
    paletteMissing.bits = 8;
    paletteMissing.rows = {0, 0, 0, 0};
    Bytes cut = EncodeBmp(paletteMissing);
    cut.resize(60);
    Refused(cut);
}

TEST_F(FailureTest, EnormousDimensionsAreRefusedBeforeDecoding)
{
    Bytes wide = SmallPng();
    SetPngSize(wide, 20000, 1);
    EXPECT_EQ(Refused(wide), E_OUTOFMEMORY);
    Bytes area = SmallPng();
    SetPngSize(area, 10000, 10000);
    EXPECT_EQ(Refused(area), E_OUTOFMEMORY);

    BmpSpec spec;
    spec.width = 100000;
    spec.height = -100000;
    spec.rows = {0, 0, 0, 0};
    EXPECT_EQ(Refused(EncodeBmp(spec)), E_OUTOFMEMORY);

    Bytes jpeg = SolidJpeg(8, 8, 0);
    for (size_t i = 0; i + 9 < jpeg.size(); i++) {
        if (jpeg[i] != 0xFF || jpeg[i + 1] != 0xC0) continue;
        jpeg[i + 5] = jpeg[i + 7] = 0xEA;  // 60000 x 60000
        jpeg[i + 6] = jpeg[i + 8] = 0x60;
        break;
    }
    EXPECT_EQ(Refused(jpeg), E_OUTOFMEMORY);
}

TEST_F(FailureTest, FilesAndArguments)
{
    IImage* image = reinterpret_cast<IImage*>(this);
    EXPECT_EQ(factory_->CreateImageFromFile(u"/nonexistent/picture.png", &image), STG_E_FILENOTFOUND);
    EXPECT_EQ(image, nullptr);
    const WCHAR loneSurrogate[] = {u'/', 0xD800, u'x', 0};
    EXPECT_EQ(factory_->CreateImageFromFile(loneSurrogate, &image), STG_E_FILENOTFOUND);
    EXPECT_EQ(factory_->CreateImageFromFile(nullptr, &image), E_POINTER);
    EXPECT_EQ(factory_->CreateImageFromFile(u"x.png", nullptr), E_POINTER);
    EXPECT_EQ(factory_->CreateImageFromStream(nullptr, &image), E_POINTER);
    EXPECT_EQ(image, nullptr);

    std::string path = OutputPath("imaging-\xC3\xA4.png");  // a name outside ASCII
    Bytes png = SmallPng();
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fwrite(png.data(), 1, png.size(), file);
    fclose(file);
    std::u16string name = U16(OutputPath("imaging-")) + u"\u00E4.png";
    ASSERT_EQ(factory_->CreateImageFromFile(name.c_str(), &image), S_OK);
    ImageInfo info = {};
    EXPECT_EQ(image->GetImageInfo(&info), S_OK);
    EXPECT_EQ(info.Width, 8u);
    EXPECT_EQ(image->Release(), 0u);
    remove(path.c_str());
}

}  // namespace
