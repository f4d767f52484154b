// Reading a picture's encoded bytes from a stream, or from a file as the platform opens it.
#pragma once

#include <cstddef>
#include <cstdint>

#include <objbase.h>

#include "shared/imaging/uninitialised.h"

namespace wincore {

using EncodedBytes = UninitialisedVector<BYTE>;

// Where encoded bytes come from, read from where it stands to its end.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // What the source says is left: a hint for the buffer, 0 when it says nothing.
    virtual uint64_t Remaining() = 0;
    // Up to `room` bytes into `into`; *got is 0 at the end.
    virtual HRESULT Read(BYTE* into, size_t room, size_t* got) = 0;
};

// Everything the source has left, a chunk at a time. E_OUTOFMEMORY when it holds more than any
// picture's encoding needs, or the buffer cannot grow.
HRESULT ReadToEnd(ByteSource& source, EncodedBytes& bytes);

// Everything from the stream's current position to its end.
HRESULT ReadStreamBytes(IStream* stream, EncodedBytes& bytes);

}  // namespace wincore
