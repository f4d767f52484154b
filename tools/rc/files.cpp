#include "files.h"

#include <fstream>
#include <sstream>

namespace rc {

bool DiskFiles::IsFile(const std::filesystem::path& path) const
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<std::string> DiskFiles::Read(const std::filesystem::path& path) const
{
    if (!IsFile(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

}  // namespace rc
