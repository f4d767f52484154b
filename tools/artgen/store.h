// Writing a picture in its file format.
#pragma once

#include "catalogue.h"

#include <string>

namespace artgen {

struct Stored {
    const Entry* entry;
    Surface picture;  // what the written file shows, key colour as transparent
};

Stored storePicture(const Entry& entry, const std::string& folder);

}  // namespace artgen
