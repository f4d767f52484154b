#include "shared/com/object.h"

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

int ComObjectsAlive()
{
    return liveObjects;
}

}  // namespace wincore
