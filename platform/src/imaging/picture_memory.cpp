// The host API's figure of the memory the imaging factories keep of decoded pictures.
#include <wincore/host.h>

#include "shared/imaging/picture_cache.h"

namespace wincore {

size_t DecodedPictureBytes()
{
    return SharedPictureBytes();
}

}  // namespace wincore
