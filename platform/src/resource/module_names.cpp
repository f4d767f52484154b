#include "resource/module_names.h"

#include <wincore/utf.h>

#include <cctype>

namespace wincore {

namespace {

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Where ".so" starts when it is followed by nothing but version numbers (".so", ".so.1.2").
size_t SharedObjectSuffix(const std::string& name)
{
    for (size_t at = name.find(".so"); at != std::string::npos; at = name.find(".so", at + 1)) {
        size_t rest = at + 3;
        while (rest < name.size() && name[rest] == '.' && rest + 1 < name.size() && isdigit((unsigned char)name[rest + 1])) {
            rest++;
            while (rest < name.size() && isdigit((unsigned char)name[rest])) rest++;
        }
        if (rest == name.size()) return at;
    }
    return std::string::npos;
}

// The file's base name, folded, without directory, "lib" prefix and extension.
std::string Stem(const std::string& path)
{
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    for (char& c : name) c = FoldAscii(c);
    size_t so = SharedObjectSuffix(name);
    if (so != std::string::npos)
        name.resize(so);
    else if (EndsWith(name, ".dll") || EndsWith(name, ".exe"))
        name.resize(name.size() - 4);
    if (name.size() > 3 && name.compare(0, 3, "lib") == 0) name.erase(0, 3);
    return name;
}

}  // namespace

bool ModuleNameMatches(const std::string& path, LPCWSTR name)
{
    std::string wanted = Stem(Utf8FromUtf16(name));
    return !wanted.empty() && wanted == Stem(path);
}

}  // namespace wincore
