// Builds without SDL2 have no display: hosts fall back to running headless.
#if !defined(WINCORE_HAVE_SDL2)

#include <wincore/host.h>

namespace wincore {

bool DisplayOpen(const char*, int)
{
    return false;
}

bool DisplayWait()
{
    return false;
}

void DisplayClose() {}

}  // namespace wincore

#endif
