// COM start-up counting, creation of the imaging factory, and the reference counts and lifetimes
// of the factory, its images and the streams and blocks they are read from.
#include "imaging/pictures.h"

namespace {

using ComTest = HostTest;  // each case balances COM itself
using LifetimeTest = ImagingTest;

TEST_F(ComTest, InitialisationIsCountedAndBalanced)
{
    int reserved = 0;
    const std::vector<HRESULT> results = {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED), CoInitializeEx(nullptr, COINIT_MULTITHREADED),
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), CoInitializeEx(&reserved, COINIT_MULTITHREADED)};
    EXPECT_EQ(results, (std::vector<HRESULT>{S_OK, S_FALSE, RPC_E_CHANGED_MODE, E_INVALIDARG}));
    EXPECT_EQ(wincore::ComInitCount(), 2);
    for (int i = 0; i < 3; i++) CoUninitialize();  // one too many changes nothing
    EXPECT_EQ(wincore::ComInitCount(), 0);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK) << "any mode once balanced";
    CoUninitialize();
}

TEST_F(ComTest, CreationFailuresLeaveNoObject)
{
    void* object = nullptr;
    auto create = [&object](REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId) {
        object = &object;
        HRESULT result = CoCreateInstance(classId, outer, context, interfaceId, &object);
        EXPECT_EQ(object, nullptr);
        return result;
    };
    EXPECT_EQ(create(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory), CO_E_NOTINITIALIZED);
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    IUnknown* outer = reinterpret_cast<IUnknown*>(&object);
    EXPECT_EQ(create(CLSID_ImagingFactory, outer, CLSCTX_INPROC_SERVER, IID_IUnknown), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(create(IID_IImage, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(create(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImage), E_NOINTERFACE);
    EXPECT_EQ(create(CLSID_ImagingFactory, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory, nullptr),
              E_POINTER);
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

// The controls free the block right after the load, while the image still holds the stream; a
// block that the stream owns lives as long as the image.
TEST_F(LifetimeTest, ImageHoldsItsStreamAndNotTheCallersBlock)
{
    Bytes png = RgbaPng(4, 4, std::vector<uint32_t>(16, 0xFFFF0000));
    for (BOOL owned : {FALSE, TRUE}) {
        HGLOBAL block = BlockWith(png.data(), png.size());
        IStream* stream = nullptr;
        ASSERT_EQ(CreateStreamOnHGlobal(block, owned, &stream), S_OK);
        IImage* image = nullptr;
        ASSERT_EQ(factory_->CreateImageFromStream(stream, &image), S_OK);
        EXPECT_EQ(stream->Release(), 1u) << "the image holds its own reference";
        EXPECT_EQ(wincore::LiveComObjects(), comAtStart_ + 3);  // factory, image, stream
        if (!owned) GlobalFree(block);
        EXPECT_EQ(Render(image, 0), Colors(16, RGB(255, 0, 0)));
        EXPECT_EQ(GlobalSize(block), owned ? png.size() : 0u);
        EXPECT_EQ(image->Release(), 0u);
        EXPECT_EQ(GlobalSize(block), 0u) << "the stream frees the block it owns with the image";
        EXPECT_EQ(wincore::LiveComObjects(), comAtStart_ + 1);
    }
}

}  // namespace
