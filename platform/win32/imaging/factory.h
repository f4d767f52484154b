#pragma once

#include <imaging.h>

namespace navimaging {

IImagingFactory* CreateImagingFactory();  // NULL when out of memory

}  // namespace navimaging
