#include <dlfcn.h>

#include <memory>
#include <vector>

#include <wincore/host.h>

#include "resource/errors.h"
#include "resource/modules.h"

namespace wincore {

namespace {

struct Resource : Object {
    static constexpr Kind kKind = Kind::Resource;
    void* module = nullptr;
    unsigned index = 0;
};

void* OpenObject(const Module& module)
{
    if (module.linkerName.empty()) return dlopen(nullptr, RTLD_LAZY);
    return dlopen(module.linkerName.c_str(), RTLD_LAZY | RTLD_NOLOAD);
}

// A lookup through a module's handle also searches the libraries it depends on: only a
// definition inside the module itself counts.
const void* OwnSymbol(const Module& module, void* object, const char* symbol)
{
    const void* address = dlsym(object, symbol);
    return address && Contains(module, address) ? address : nullptr;
}

void ReadTable(Module& module)
{
    if (module.tableRead) return;
    module.tableRead = true;
    void* object = OpenObject(module);
    if (!object) return;
    auto* entries = static_cast<const ResourceEntry*>(OwnSymbol(module, object, "wincore_resources"));
    auto* count = static_cast<const unsigned*>(OwnSymbol(module, object, "wincore_resource_count"));
    dlclose(object);
    if (!entries || !count) return;
    module.entries = entries;
    module.entryCount = *count;
    module.resourceHandles.assign(*count, nullptr);
    module.index = IndexOf(entries, *count);
}

// Types withheld by the test hook, per module.
struct WithheldType {
    void* module;
    ResourceId type;
};

std::vector<WithheldType>& Withheld()
{
    static std::vector<WithheldType> withheld;
    return withheld;
}

bool IsWithheld(const Module& module, const ResourceId& type)
{
    for (const WithheldType& withheld : Withheld())
        if (withheld.module == module.handle && withheld.type == type) return true;
    return false;
}

HRSRC ResourceHandle(Module& module, unsigned index)
{
    if (!module.resourceHandles[index]) {
        auto resource = std::make_unique<Resource>();
        resource->module = module.handle;
        resource->index = index;
        module.resourceHandles[index] = Register(std::move(resource))->handle;
    }
    return static_cast<HRSRC>(module.resourceHandles[index]);
}

// The table entry that `resource` names, provided it belongs to `module` (NULL: the executable).
const ResourceEntry* EntryOf(HMODULE module, HRSRC resource, Module** owner)
{
    // The module first: finding it unloaded forgets its resource handles too.
    Module* found = ModuleOrExecutable(module);
    Resource* entry = Lookup<Resource>(resource);
    if (!found || !entry || entry->module != found->handle) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    *owner = found;
    return &found->entries[entry->index];
}

}  // namespace

}  // namespace wincore

using namespace wincore;

HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    Module* found = ModuleOrExecutable(module);
    if (!found) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!name || !type) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    ReadTable(*found);
    auto ofType = found->index.find(WantedId(type));
    if (ofType == found->index.end() || IsWithheld(*found, ofType->first)) {
        SetLastError(kErrorResourceTypeNotFound);
        return nullptr;
    }
    auto entry = ofType->second.find(WantedId(name));
    if (entry == ofType->second.end()) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return ResourceHandle(*found, entry->second);
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource)
{
    Module* owner = nullptr;
    const ResourceEntry* entry = EntryOf(module, resource, &owner);
    return entry ? entry->size : 0;
}

HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource)
{
    Module* owner = nullptr;
    const ResourceEntry* entry = EntryOf(module, resource, &owner);
    if (!entry) return nullptr;
    owner->loadedData.insert(entry->data);
    // Resource data lives in the module's read-only image, as in Win32.
    return const_cast<unsigned char*>(entry->data);
}

LPVOID WINAPI LockResource(HGLOBAL resourceData)
{
    if (!resourceData) return nullptr;
    for (Module* module : LiveModules())
        if (module->loadedData.count(resourceData)) return resourceData;
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

// Win32 reports this obsolete call's success as FALSE; resources stay loaded with their module.
BOOL WINAPI FreeResource(HGLOBAL resourceData)
{
    if (resourceData && LockResource(resourceData)) return FALSE;
    SetLastError(ERROR_INVALID_HANDLE);
    return TRUE;
}

void wincore::WithholdResources(HMODULE module, LPCWSTR type)
{
    Module* found = ModuleOrExecutable(module);
    if (!found || !type) return;
    Withheld().push_back({found->handle, WantedId(type)});
}

void wincore::RestoreResources()
{
    Withheld().clear();
}
