// A module's resource table indexed by type and name, so that a find costs two hash lookups
// instead of a pass over the table.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_map>

namespace wincore {

// One entry of a module's resource table, laid out as the resource compiler emits it.
struct ResourceEntry {
    const char16_t* type;
    const char16_t* name;
    const unsigned char* data;
    unsigned size;
};

// A type or name as Win32 compares them: an integer id by value, a name without ASCII case.
struct ResourceId {
    bool numbered = false;
    uintptr_t number = 0;
    std::u16string name;  // ASCII letters upper-cased
};

bool operator==(const ResourceId& a, const ResourceId& b);

struct ResourceIdHash {
    size_t operator()(const ResourceId& id) const;
};

// As a table stores it: only an integer pointer is a number.
ResourceId StoredId(const char16_t* id);
// As a caller asks for it: a string "#123" names the integer id 123 too.
ResourceId WantedId(LPCWSTR id);

// Type, then name, to the table position of the first entry so named.
using ResourceNames = std::unordered_map<ResourceId, unsigned, ResourceIdHash>;
using ResourceIndex = std::unordered_map<ResourceId, ResourceNames, ResourceIdHash>;

ResourceIndex IndexOf(const ResourceEntry* entries, unsigned count);

}  // namespace wincore
