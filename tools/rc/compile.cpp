#include "compile.h"

#include "parser.h"
#include "preprocessor.h"

namespace rc {

Compilation CompileScript(const std::filesystem::path& script, const std::vector<std::filesystem::path>& includeDirs,
                          const FileSource& files)
{
    Preprocessed preprocessed = Preprocess(script, includeDirs, files);
    Compilation compilation;
    compilation.inputs = preprocessed.files;
    compilation.resources = ParseScript(preprocessed.tokens, script.parent_path(), compilation.inputs, files);
    return compilation;
}

}  // namespace rc
