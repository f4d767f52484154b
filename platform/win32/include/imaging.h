// Desktop Windows has no imaging service of its own: the interfaces and identifiers are the ones
// wincore declares, and RKNavImaging.dll serves them over the Windows Imaging Component.
#pragma once

#include "../../include/imaging.h"
