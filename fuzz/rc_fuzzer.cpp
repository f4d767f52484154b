// The resource-script compiler on a script in memory.
#include <string>

#include "compile.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kScriptPath = "/fuzz/script.rc";

class OneFile : public rc::FileSource {
public:
    explicit OneFile(std::string script) : script_(std::move(script)) {}
    bool IsFile(const fs::path& path) const override { return path.lexically_normal() == kScriptPath; }
    std::optional<std::string> Read(const fs::path& path) const override
    {
        return IsFile(path) ? std::optional<std::string>(script_) : std::nullopt;
    }

private:
    std::string script_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    OneFile files(std::string(reinterpret_cast<const char*>(data), size));
    try {
        rc::CompileScript(kScriptPath, {}, files);
    } catch (const rc::ScriptError&) {
    }
    return 0;
}
