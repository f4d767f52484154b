// The imaging factory that CoCreateInstance serves.
#pragma once

#include <imaging.h>

namespace wincore {

// A new factory with one reference; nullptr when out of memory.
IImagingFactory* CreateImagingFactory();

}  // namespace wincore
