#include "com/object.h"

#include <wincore/host.h>

namespace wincore {

namespace {

std::atomic<int> liveObjects{0};

}  // namespace

void ComObjectCreated()
{
    ++liveObjects;
}

void ComObjectDestroyed()
{
    --liveObjects;
}

int LiveComObjects()
{
    return liveObjects;
}

}  // namespace wincore
