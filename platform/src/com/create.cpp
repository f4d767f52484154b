// CoCreateInstance: the only class wincore serves is the imaging factory.
#include <cstdlib>

#include <imaging.h>

#include "com/init.h"
#include "shared/imaging/factory.h"

namespace wincore {

namespace {

// Lets tests run the start-up path of a system that has no imaging service.
bool ImagingFactoryWithheld()
{
    const char* value = std::getenv("WINCORE_NO_IMAGING_FACTORY");
    return value && *value;
}

}  // namespace

}  // namespace wincore

using namespace wincore;

WINCORE_API HRESULT WINAPI CoCreateInstance(REFCLSID classId, LPUNKNOWN outer, DWORD classContext, REFIID riid,
                                            LPVOID* object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (!ComInitialized()) return CO_E_NOTINITIALIZED;
    if (!IsEqualCLSID(classId, CLSID_ImagingFactory) || !(classContext & CLSCTX_INPROC_SERVER))
        return REGDB_E_CLASSNOTREG;
    if (ImagingFactoryWithheld()) return REGDB_E_CLASSNOTREG;
    if (!IsEqualIID(riid, IID_IImagingFactory) && !IsEqualIID(riid, IID_IUnknown)) return E_NOINTERFACE;
    IImagingFactory* factory = CreateImagingFactory();
    if (!factory) return E_OUTOFMEMORY;
    *object = factory;
    return S_OK;
}
