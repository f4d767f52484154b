// The resource-script compiler, from a script held in memory. The script may include a header and
// name a bitmap, a picture and itself, which are files in memory too.
#include <map>
#include <string>

#include "compile.h"
#include "generate.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kScriptPath = "/fuzz/script.rc";

// "BM", a 14-byte file header, a 40-byte info header and one 24-bit pixel row.
const std::string kBitmap = std::string("BM\x3A\0\0\0\0\0\0\0\x36\0\0\0", 14) +
                            std::string("\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x04\0\0\0", 24) +
                            std::string(16, '\0') + std::string("\x10\x20\x30\0", 4);

class MemoryFiles : public rc::FileSource {
public:
    explicit MemoryFiles(std::string script)
    {
        files_[kScriptPath] = std::move(script);
        files_["/fuzz/resource.h"] = "#define IDB_ONE 101\n#define IDD_ONE 117\n#define DLG_STYLE WS_POPUP | DS_SETFONT\n";
        files_["/fuzz/one.bmp"] = kBitmap;
        files_["/fuzz/one.png"] = std::string("\x89PNG\r\n\x1A\n", 8);
        files_["/fuzz/inc/more.rc"] = "7 RCDATA \"one.png\"\n";
    }
    bool IsFile(const fs::path& path) const override { return files_.count(path.lexically_normal().string()) != 0; }
    std::optional<std::string> Read(const fs::path& path) const override
    {
        auto found = files_.find(path.lexically_normal().string());
        if (found == files_.end()) return std::nullopt;
        return found->second;
    }

private:
    std::map<std::string, std::string> files_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryFiles files(std::string(reinterpret_cast<const char*>(data), size));
    try {
        rc::Compilation compiled = rc::CompileScript(kScriptPath, {"/fuzz/inc"}, files);
        rc::GeneratedSource(compiled.resources, "script.rc");
    } catch (const rc::ScriptError&) {
        // A script with an error is refused with a message: what the tool should do.
    }
    return 0;
}
