// Reading a picture's encoded bytes from a stream or a file.
#pragma once

#include <vector>

#include <objbase.h>

namespace wincore {

// Everything from the stream's current position to its end.
HRESULT ReadStreamBytes(IStream* stream, std::vector<BYTE>& bytes);

// The whole file named by a UTF-16 path. STG_E_FILENOTFOUND when it cannot be opened.
HRESULT ReadFileBytes(const WCHAR* path, std::vector<BYTE>& bytes);

}  // namespace wincore
