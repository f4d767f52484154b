// What the resource tests compare: a resource's bytes and a file's bytes.
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
    auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
    return data ? std::vector<uint8_t>(data, data + SizeofResource(module, resource)) : std::vector<uint8_t>();
}

inline std::vector<uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
