#include "script.h"

#include "text.h"

namespace rc {

std::string Describe(const ResourceId& id)
{
    return id.IsNumber() ? std::to_string(id.number) : "\"" + Utf8(id.text) + "\"";
}

}  // namespace rc
