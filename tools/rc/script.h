// What a resource script compiles to: resources with their type, name and bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics.h"

namespace rc {

// A type or name: an integer (1..65535) or a string.
struct ResourceId {
    uint16_t number = 0;
    std::u16string text;

    static ResourceId Number(uint16_t value) { return ResourceId{value, {}}; }
    bool IsNumber() const { return number != 0; }
    bool operator==(const ResourceId& other) const { return number == other.number && text == other.text; }
};

constexpr uint16_t kTypeBitmap = 2;
constexpr uint16_t kTypeDialog = 5;
constexpr uint16_t kTypeRcdata = 10;
constexpr uint16_t kTypeHtml = 23;
constexpr uint16_t kTypeManifest = 24;

struct Resource {
    ResourceId type;
    ResourceId name;
    std::vector<uint8_t> data;
    Location where;
};

std::string Describe(const ResourceId& id);

}  // namespace rc
