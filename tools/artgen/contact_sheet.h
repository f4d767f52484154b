// A 2x preview of every picture as stored, alone and in use, for looking the artwork over.
#pragma once

#include "store.h"

#include <string>
#include <vector>

namespace artgen {

void writeContactSheet(const std::vector<Stored>& stored, const std::string& path);

}  // namespace artgen
