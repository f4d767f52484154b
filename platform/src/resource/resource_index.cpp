#include "resource/resource_index.h"

#include <functional>

namespace wincore {

namespace {

constexpr uintptr_t kMaxId = 0xFFFF;

char16_t FoldAscii(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

ResourceId Named(const char16_t* text)
{
    ResourceId id;
    for (const char16_t* c = text; *c; c++) id.name.push_back(FoldAscii(*c));
    return id;
}

ResourceId Numbered(uintptr_t number)
{
    ResourceId id;
    id.numbered = true;
    id.number = number;
    return id;
}

// "#123" names the integer id 123, as in Win32; 0 when `text` is no such string.
uintptr_t NumberInText(const char16_t* text)
{
    if (text[0] != u'#' || !text[1]) return 0;
    uintptr_t value = 0;
    for (const char16_t* c = text + 1; *c; c++) {
        if (*c < u'0' || *c > u'9') return 0;
        value = value * 10 + (*c - u'0');
        if (value > kMaxId) return 0;
    }
    return value;
}

}  // namespace

bool operator==(const ResourceId& a, const ResourceId& b)
{
    return a.numbered == b.numbered && a.number == b.number && a.name == b.name;
}

size_t ResourceIdHash::operator()(const ResourceId& id) const
{
    return id.numbered ? std::hash<uintptr_t>()(id.number) : std::hash<std::u16string>()(id.name);
}

ResourceId StoredId(const char16_t* id)
{
    return IS_INTRESOURCE(id) ? Numbered(reinterpret_cast<uintptr_t>(id)) : Named(id);
}

ResourceId WantedId(LPCWSTR id)
{
    if (IS_INTRESOURCE(id)) return Numbered(reinterpret_cast<uintptr_t>(id));
    uintptr_t number = NumberInText(id);
    return number ? Numbered(number) : Named(id);
}

ResourceIndex IndexOf(const ResourceEntry* entries, unsigned count)
{
    ResourceIndex index;
    for (unsigned i = 0; i < count; i++) index[StoredId(entries[i].type)].emplace(StoredId(entries[i].name), i);
    return index;
}

}  // namespace wincore
