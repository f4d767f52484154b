// Modules: every loaded ELF object (the executable, each shared object) is one. Its HMODULE is
// made on first use and keyed by the object's load base; it turns stale when the object is unloaded.
#pragma once

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/handles.h"
#include "resource/resource_index.h"

namespace wincore {

struct Segment {
    uintptr_t begin;
    uintptr_t end;
};

constexpr uint64_t kUnloadsUnknown = UINT64_MAX;

struct Module : Object {
    static constexpr Kind kKind = Kind::Module;

    uintptr_t base = 0;
    std::string linkerName;  // the dynamic linker's name for the object; empty for the executable
    std::vector<Segment> segments;

    uint64_t seenAtUnloads = kUnloadsUnknown;  // the linker's unload count when last seen loaded

    bool tableRead = false;
    const ResourceEntry* entries = nullptr;
    unsigned entryCount = 0;
    ResourceIndex index;
    std::vector<void*> resourceHandles;  // one HRSRC per table entry, made on first find
    std::set<const void*> loadedData;    // what LoadResource has handed out
};

// The module behind `handle` if its object is still loaded; a stale module is forgotten.
Module* LiveModule(const void* handle);
// As LiveModule, with NULL naming the executable.
Module* ModuleOrExecutable(const void* handle);
// Every module whose object is still loaded (stale ones are forgotten on the way).
std::vector<Module*> LiveModules();
// Whether `address` lies in one of the module's loaded segments.
bool Contains(const Module& module, const void* address);

}  // namespace wincore
