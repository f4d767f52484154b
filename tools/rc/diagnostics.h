// Errors in a resource script carry the file and line they were found at.
#pragma once

#include <stdexcept>
#include <string>

namespace rc {

struct Location {
    std::string file;
    int line = 0;
};

class ScriptError : public std::runtime_error {
public:
    ScriptError(Location where, const std::string& message) : std::runtime_error(message), where(std::move(where)) {}
    Location where;
};

[[noreturn]] inline void Fail(const Location& where, const std::string& message)
{
    throw ScriptError(where, message);
}

}  // namespace rc
