// The host API's count of live COM objects: factories, images and streams.
#include <wincore/host.h>

#include "shared/com/object.h"

namespace wincore {

int LiveComObjects()
{
    return ComObjectsAlive();
}

}  // namespace wincore
