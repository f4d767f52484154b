#include "resource/modules.h"

#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <memory>

#include "resource/errors.h"
#include "resource/module_names.h"

namespace wincore {

namespace {

struct LoadedObject {
    uintptr_t base;
    std::string linkerName;
    std::vector<Segment> segments;
};

int CollectObject(dl_phdr_info* info, size_t, void* context)
{
    auto* objects = static_cast<std::vector<LoadedObject>*>(context);
    std::string name = info->dlpi_name ? info->dlpi_name : "";
    // The executable comes first and has no name; later nameless entries are not files.
    if (name.empty() && !objects->empty()) return 0;
    LoadedObject object{info->dlpi_addr, name, {}};
    for (int i = 0; i < info->dlpi_phnum; i++) {
        const ElfW(Phdr)& header = info->dlpi_phdr[i];
        if (header.p_type != PT_LOAD) continue;
        uintptr_t begin = info->dlpi_addr + header.p_vaddr;
        object.segments.push_back({begin, begin + header.p_memsz});
    }
    objects->push_back(std::move(object));
    return 0;
}

std::vector<LoadedObject> LoadedObjects()
{
    std::vector<LoadedObject> objects;
    dl_iterate_phdr(CollectObject, &objects);
    return objects;
}

int CollectFirst(dl_phdr_info* info, size_t size, void* context)
{
    CollectObject(info, size, context);
    return 1;
}

LoadedObject Executable()
{
    std::vector<LoadedObject> objects;
    dl_iterate_phdr(CollectFirst, &objects);
    return objects.front();
}

int ReadUnloads(dl_phdr_info* info, size_t size, void* context)
{
    if (size >= offsetof(dl_phdr_info, dlpi_subs) + sizeof info->dlpi_subs)
        *static_cast<uint64_t*>(context) = info->dlpi_subs;
    return 1;  // every object reports the same count
}

// How many objects the dynamic linker has unloaded so far.
uint64_t UnloadCount()
{
    uint64_t unloads = kUnloadsUnknown;
    dl_iterate_phdr(ReadUnloads, &unloads);
    return unloads;
}

std::string ExecutablePath()
{
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    return length > 0 ? std::string(path, size_t(length)) : std::string();
}

std::string FilePath(const std::string& linkerName)
{
    return linkerName.empty() ? ExecutablePath() : linkerName;
}

bool Names(const Module& module, const LoadedObject& object)
{
    return module.base == object.base && module.linkerName == object.linkerName;
}

Module* FindModule(const LoadedObject& object)
{
    Module* found = nullptr;
    Handles().ForEach(Kind::Module, [&](Object* entry) {
        auto* module = static_cast<Module*>(entry);
        if (Names(*module, object)) found = module;
    });
    return found;
}

Module* ModuleFor(const LoadedObject& object)
{
    if (Module* module = FindModule(object)) return module;
    auto module = std::make_unique<Module>();
    module->base = object.base;
    module->linkerName = object.linkerName;
    module->segments = object.segments;
    return Register(std::move(module));
}

void Forget(Module* module)
{
    for (void* resource : module->resourceHandles)
        if (resource) Handles().Remove(resource);
    Handles().Remove(module->handle);
}

// A module seen loaded stays so until the linker unloads some object; only then are the loaded
// objects walked again.
bool IsLoaded(Module& module)
{
    uint64_t unloads = UnloadCount();
    if (unloads != kUnloadsUnknown && module.seenAtUnloads == unloads) return true;
    for (const LoadedObject& object : LoadedObjects()) {
        if (!Names(module, object)) continue;
        module.seenAtUnloads = unloads;
        return true;
    }
    return false;
}

}  // namespace

Module* LiveModule(const void* handle)
{
    Module* module = Lookup<Module>(handle);
    if (!module) return nullptr;
    if (IsLoaded(*module)) return module;
    Forget(module);
    return nullptr;
}

Module* ModuleOrExecutable(const void* handle)
{
    if (handle) return LiveModule(handle);
    return ModuleFor(Executable());
}

std::vector<Module*> LiveModules()
{
    std::vector<void*> handles;
    Handles().ForEach(Kind::Module, [&](Object* entry) { handles.push_back(entry->handle); });
    std::vector<Module*> modules;
    for (void* handle : handles)
        if (Module* module = LiveModule(handle)) modules.push_back(module);
    return modules;
}

bool Contains(const Module& module, const void* address)
{
    auto value = reinterpret_cast<uintptr_t>(address);
    for (const Segment& segment : module.segments)
        if (value >= segment.begin && value < segment.end) return true;
    return false;
}

}  // namespace wincore

using namespace wincore;

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName)
{
    std::vector<LoadedObject> objects = LoadedObjects();
    if (!moduleName) return static_cast<HMODULE>(ModuleFor(objects.front())->handle);
    for (const LoadedObject& object : objects)
        if (ModuleNameMatches(FilePath(object.linkerName), moduleName))
            return static_cast<HMODULE>(ModuleFor(object)->handle);
    SetLastError(kErrorModNotFound);
    return nullptr;
}

DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size)
{
    Module* found = ModuleOrExecutable(module);
    if (!found) {
        SetLastError(kErrorModNotFound);
        return 0;
    }
    if (!fileName || size == 0) {
        SetLastError(kErrorInsufficientBuffer);
        return 0;
    }
    std::u16string path = Utf16FromUtf8(FilePath(found->linkerName));
    DWORD copied = DWORD(std::min<size_t>(path.size(), size - 1));
    memcpy(fileName, path.data(), copied * sizeof(WCHAR));
    fileName[copied] = 0;
    if (path.size() >= size) {
        SetLastError(kErrorInsufficientBuffer);
        return size;
    }
    SetLastError(ERROR_SUCCESS);
    return copied;
}
