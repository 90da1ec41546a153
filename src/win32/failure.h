// How a failed Win32 call is reported: with the system's error code where the
// system sets one, without one where it sets none.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <system_error>

namespace numora {

// A call that sets the thread's last error (or the code given) failed.
[[noreturn]] inline void ThrowLastError(const char* what, DWORD error = GetLastError()) {
    throw std::system_error(static_cast<int>(error), std::system_category(), what);
}

// A control answered a message with its error value. SendMessage sets no last
// error, so any code read then would be a stale one.
[[noreturn]] inline void ThrowControlFailure(const char* what) {
    throw std::runtime_error(what);
}

}  // namespace numora
