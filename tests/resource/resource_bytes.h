// Helpers the resource tests share: a resource's bytes and a file's bytes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::vector<uint8_t> ResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    HRSRC resource = FindResourceW(module, name, type);
    if (!resource) return {};
    auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
    if (!data) return {};
    return std::vector<uint8_t>(data, data + SizeofResource(module, resource));
}

inline std::vector<uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Little-endian words, as a template spells them out.
inline void AppendWord(std::vector<uint8_t>& bytes, uint16_t value)
{
    bytes.push_back(uint8_t(value));
    bytes.push_back(uint8_t(value >> 8));
}

inline void AppendDword(std::vector<uint8_t>& bytes, uint32_t value)
{
    AppendWord(bytes, uint16_t(value));
    AppendWord(bytes, uint16_t(value >> 16));
}

inline void AppendText(std::vector<uint8_t>& bytes, const std::u16string& text)
{
    for (char16_t c : text) AppendWord(bytes, c);
    AppendWord(bytes, 0);
}
