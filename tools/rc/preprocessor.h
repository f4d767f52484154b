// Reads a resource script the way rc's preprocessor does: comments, #include, #define of object-like
// macros, #ifdef/#ifndef/#else/#endif and #pragma code_page, and turns it into tokens.
#pragma once

#include <filesystem>
#include <vector>

#include "files.h"
#include "token.h"

namespace rc {

struct Preprocessed {
    std::vector<Token> tokens;  // ends with an End token
    std::vector<std::filesystem::path> files;  // the script and every file it included
};

// Quoted includes are looked up beside the including file, beside the script, then in
// `includeDirs`; an angle-bracket include not found in `includeDirs` is a system header whose
// constants rc knows already, and is skipped. Included .h and .c files contribute only directives.
// Every file is read through `files`.
Preprocessed Preprocess(const std::filesystem::path& script, const std::vector<std::filesystem::path>& includeDirs,
                        const FileSource& files);

// Splits one line of script text into tokens (no macro expansion).
std::vector<Token> Tokenize(const std::string& text, const Location& where);

}  // namespace rc
