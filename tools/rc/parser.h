// The statements of a resource script: file resources (`ID TYPE "file"`) and dialogs.
#pragma once

#include <filesystem>
#include <vector>

#include "files.h"
#include "script.h"
#include "token.h"

namespace rc {

// Resource files are found relative to `baseDir` and read through `source`; each one read is
// appended to `files`.
std::vector<Resource> ParseScript(const std::vector<Token>& tokens, const std::filesystem::path& baseDir,
                                  std::vector<std::filesystem::path>& files, const FileSource& source);

}  // namespace rc
