// Desktop Windows: the library starts without a registration of its imaging service, and loading
// it leaves COM alone (DllMain runs under the loader lock). This executable runs with the service
// unregistered (tests/windows.cmake).
#include <gtest/gtest.h>

#include <objbase.h>

#include "frame/Module.h"
#include "frame/NavImage.h"
#include "resources/resource.h"

TEST(Startup, LoadingTheLibraryLeavesComAloneAndPicturesComeWithoutRegistration)
{
    // Had DllMain put this thread into the multithreaded apartment, it could not join another.
    const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(joined, S_OK);
    if (SUCCEEDED(joined)) CoUninitialize();

    // The first picture starts COM on this thread and finds the service beside the library.
    ASSERT_NE(ImagingFactory(), nullptr);
    CNavImage frame;
    ASSERT_EQ(frame.LoadFromResource(IDR_VBOX_FRAME, GetModuleInstance(), TEXT("PNG")), 1);
    EXPECT_GT(frame.GetWidth(), 0);

    IImagingFactory* registered = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                               reinterpret_cast<void**>(&registered)),
              REGDB_E_CLASSNOTREG)
        << "the imaging service is registered: the fallback went untested";
    if (registered) registered->Release();
}
