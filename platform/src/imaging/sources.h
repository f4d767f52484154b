// Reading a picture's encoded bytes from a stream or a file.
#pragma once

#include <objbase.h>

#include "imaging/uninitialised.h"

namespace wincore {

using EncodedBytes = UninitialisedVector<BYTE>;

// Everything from the stream's current position to its end.
HRESULT ReadStreamBytes(IStream* stream, EncodedBytes& bytes);

// The whole file named by a UTF-16 path. STG_E_FILENOTFOUND when it cannot be opened.
HRESULT ReadFileBytes(const WCHAR* path, EncodedBytes& bytes);

}  // namespace wincore
