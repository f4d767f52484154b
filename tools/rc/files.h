// Where the compiler reads files: the script, the files it includes and the files its resources
// name. The tool reads the disk; a fuzzer hands the compiler files held in memory.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace rc {

class FileSource {
public:
    virtual ~FileSource() = default;
    virtual bool IsFile(const std::filesystem::path& path) const = 0;
    // The bytes of the regular file at `path`; nothing when there is no such file or it cannot be read.
    virtual std::optional<std::string> Read(const std::filesystem::path& path) const = 0;
};

class DiskFiles : public FileSource {
public:
    bool IsFile(const std::filesystem::path& path) const override;
    std::optional<std::string> Read(const std::filesystem::path& path) const override;
};

}  // namespace rc
