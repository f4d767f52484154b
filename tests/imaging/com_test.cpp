// COM start-up counting and creation of the imaging factory.
#include <cstdlib>

#include "imaging/pictures.h"

namespace {

class ComTest : public HostTest {
protected:
    void TearDown() override
    {
        EXPECT_EQ(wincore::ComInitCount(), 0);
        EXPECT_EQ(wincore::LiveComObjects(), 0);
        HostTest::TearDown();
    }

    HRESULT Create(REFCLSID classId, IUnknown* outer, REFIID riid, void** object)
    {
        return CoCreateInstance(classId, outer, CLSCTX_INPROC_SERVER, riid, object);
    }
};

TEST_F(ComTest, InitialisationIsCountedAndBalanced)
{
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    EXPECT_EQ(wincore::ComInitCount(), 2);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), RPC_E_CHANGED_MODE);
    int reserved = 0;
    EXPECT_EQ(CoInitializeEx(&reserved, COINIT_MULTITHREADED), E_INVALIDARG);
    EXPECT_EQ(wincore::ComInitCount(), 2);
    CoUninitialize();
    CoUninitialize();
    CoUninitialize();  // one too many changes nothing
    EXPECT_EQ(wincore::ComInitCount(), 0);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    CoUninitialize();
}

TEST_F(ComTest, CreationFailuresLeaveNoObject)
{
    void* object = &object;
    EXPECT_EQ(Create(CLSID_ImagingFactory, nullptr, IID_IImagingFactory, &object), CO_E_NOTINITIALIZED);
    EXPECT_EQ(object, nullptr);

    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    IUnknown* outer = reinterpret_cast<IUnknown*>(&object);
    object = &object;
    EXPECT_EQ(Create(CLSID_ImagingFactory, outer, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    object = &object;
    EXPECT_EQ(Create(IID_IImage, nullptr, IID_IUnknown, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    object = &object;
    EXPECT_EQ(Create(CLSID_ImagingFactory, nullptr, IID_IImage, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, &object),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(Create(CLSID_ImagingFactory, nullptr, IID_IImagingFactory, nullptr), E_POINTER);
    CoUninitialize();
}

TEST_F(ComTest, FactoryCanBeWithheldThroughTheEnvironment)
{
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    setenv("WINCORE_NO_IMAGING_FACTORY", "1", 1);
    void* object = &object;
    EXPECT_EQ(Create(CLSID_ImagingFactory, nullptr, IID_IImagingFactory, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    setenv("WINCORE_NO_IMAGING_FACTORY", "", 1);
    EXPECT_EQ(Create(CLSID_ImagingFactory, nullptr, IID_IImagingFactory, &object), S_OK);
    unsetenv("WINCORE_NO_IMAGING_FACTORY");
    static_cast<IUnknown*>(object)->Release();
    CoUninitialize();
}

TEST_F(ComTest, FactoryIsReferenceCounted)
{
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(Create(CLSID_ImagingFactory, nullptr, IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(wincore::LiveComObjects(), 1);
    IImagingFactory* factory = nullptr;
    ASSERT_EQ(unknown->QueryInterface(IID_IImagingFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(factory->AddRef(), 3u);
    EXPECT_EQ(factory->Release(), 2u);
    void* other = &other;
    EXPECT_EQ(factory->QueryInterface(IID_IStream, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(factory->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(factory->Release(), 1u);
    EXPECT_EQ(unknown->Release(), 0u);
    EXPECT_EQ(wincore::LiveComObjects(), 0);
    CoUninitialize();
}

}  // namespace
