// A whole compilation, from a script to its resources, with every file read through a FileSource:
// what the tool does before it writes anything, and what a fuzzer drives from memory.
#pragma once

#include <filesystem>
#include <vector>

#include "files.h"
#include "script.h"

namespace rc {

struct Compilation {
    std::vector<Resource> resources;
    std::vector<std::filesystem::path> inputs;  // the script, what it includes, the files its resources name
};

// Throws ScriptError when the script cannot be compiled.
Compilation CompileScript(const std::filesystem::path& script, const std::vector<std::filesystem::path>& includeDirs,
                          const FileSource& files);

}  // namespace rc
