#include "script.h"

#include <wincore/utf.h>

#include "text.h"

namespace rc {

std::string Describe(const ResourceId& id)
{
    return id.IsNumber() ? std::to_string(id.number) : "\"" + wincore::Utf8FromUtf16(id.text) + "\"";
}

}  // namespace rc
