// Reference counting for every COM object wincore and the Win32 imaging server hand out.
#pragma once

#include <atomic>
#include <initializer_list>

#include <objbase.h>

namespace wincore {

// COM objects alive in the process: for hosts' leak checks and a server's DllCanUnloadNow.
int ComObjectsAlive();
void ComObjectCreated();
void ComObjectDestroyed();

// Starts with one reference, owned by whoever created the object; the last Release deletes it.
// The destructor is declared here, after the interface's methods, so the interface's slots keep
// their published positions.
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
    ComObject() { ComObjectCreated(); }
    virtual ~ComObject() { ComObjectDestroyed(); }
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

}  // namespace wincore
