#include "key_names.h"

namespace demo {

namespace {

struct Named {
    const char* name;
    UINT vk;
};

constexpr Named kKeys[] = {
    {"VK_TAB", VK_TAB},       {"VK_RETURN", VK_RETURN}, {"VK_ESCAPE", VK_ESCAPE}, {"VK_SPACE", VK_SPACE},
    {"VK_UP", VK_UP},         {"VK_DOWN", VK_DOWN},     {"VK_LEFT", VK_LEFT},     {"VK_RIGHT", VK_RIGHT},
    {"VK_PRIOR", VK_PRIOR},   {"VK_NEXT", VK_NEXT},     {"VK_HOME", VK_HOME},     {"VK_END", VK_END},
    {"VK_SHIFT", VK_SHIFT},   {"VK_CONTROL", VK_CONTROL}, {"VK_MENU", VK_MENU},
};

constexpr int kFunctionKeys = 12;  // VK_F1 .. VK_F12

bool IsLetterOrDigit(UINT vk)
{
    return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9');
}

}  // namespace

bool ReadKeyName(const std::string& name, UINT* vk)
{
    for (const Named& key : kKeys)
        if (name == key.name) {
            *vk = key.vk;
            return true;
        }
    for (int n = 1; n <= kFunctionKeys; n++)
        if (name == "VK_F" + std::to_string(n)) {
            *vk = VK_F1 + UINT(n - 1);
            return true;
        }
    if (name.size() != 1 || !IsLetterOrDigit(UINT(name[0]))) return false;
    *vk = UINT(name[0]);
    return true;
}

std::string KeyName(UINT vk)
{
    for (const Named& key : kKeys)
        if (vk == key.vk) return key.name;
    if (vk >= VK_F1 && vk < VK_F1 + kFunctionKeys) return "VK_F" + std::to_string(vk - VK_F1 + 1);
    return IsLetterOrDigit(vk) ? std::string(1, char(vk)) : std::string();
}

}  // namespace demo
