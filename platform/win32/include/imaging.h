// Desktop Windows has no imaging service of its own: the interfaces and identifiers are the ones
// wincore declares, and RKNavImaging.dll serves them over the Windows Imaging Component.
#pragma once

#include "../../include/imaging.h"

// The factory whether or not the service is registered: the registered class when there is one, else
// straight from RKNavImaging.dll in the folder of `module` (null: the process's executable), in
// process, as CoCreateInstance would have made it; that server then stays loaded, since its images
// may outlive any place to unload it. Null when neither gives a factory.
IImagingFactory* CreateImagingFactory(HMODULE module);
