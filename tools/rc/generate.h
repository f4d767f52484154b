// The C++ source that carries a module's resources, and the depfile that lists what it was made from.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "script.h"

namespace rc {

// Defines `wincore_resources` and `wincore_resource_count` with default visibility, so that the
// platform finds them in the module they are linked into. Includes nothing.
std::string GeneratedSource(const std::vector<Resource>& resources, const std::string& scriptName);

std::string Depfile(const std::filesystem::path& output, const std::vector<std::filesystem::path>& inputs);

}  // namespace rc
