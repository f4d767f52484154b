// The rule for exceptions: none crosses a window procedure. The platform's message dispatch is C,
// and a C++ exception unwinding through it is undefined on Win32; so every window procedure of the
// library runs its handling through Guarded, and a handler that throws (an allocation that failed,
// a host's callback that threw) ends the handling of that one message with the default answer.
// Operations a host calls directly report failure by their result, as they always do.
#pragma once

#include <windows.h>

namespace kit {

template <class Handler, class Fallback>
LRESULT Guarded(Handler&& handle, Fallback&& fallback) noexcept
{
    try {
        return handle();
    } catch (...) {
        return fallback();
    }
}

}  // namespace kit
