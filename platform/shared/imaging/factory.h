// The imaging factory, as CoCreateInstance serves it on wincore and the COM server on Windows.
#pragma once

#include <imaging.h>

namespace wincore {

// A new factory with one reference; nullptr when out of memory.
IImagingFactory* CreateImagingFactory();

}  // namespace wincore
