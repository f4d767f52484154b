// Reference counting for the server's objects, and the count DllCanUnloadNow answers from.
#pragma once

#include <atomic>
#include <initializer_list>

#include <objbase.h>

namespace navimaging {

// Objects and server locks alive in the process.
extern std::atomic<long> liveObjects;

// Starts with one reference, owned by whoever created the object; the last Release deletes it.
// The destructor comes after the interface's methods, so their slots keep their published places.
template <class Interface>
class ComObject : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    ComObject() { ++liveObjects; }
    virtual ~ComObject() { --liveObjects; }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    // Hands out this object when `riid` names IUnknown or one of `interfaces`.
    HRESULT Answer(REFIID riid, void** object, std::initializer_list<const IID*> interfaces)
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        bool known = IsEqualIID(riid, IID_IUnknown);
        for (const IID* iid : interfaces) known = known || IsEqualIID(riid, *iid);
        if (!known) return E_NOINTERFACE;
        AddRef();
        *object = static_cast<Interface*>(this);
        return S_OK;
    }

private:
    std::atomic<ULONG> references_{1};
};

}  // namespace navimaging
