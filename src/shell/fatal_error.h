// The program's single path for a failure that no handler caught: the standard
// message box, then the end of the program.
#pragma once

#include <string>

namespace numora {

[[noreturn]] void EndOnUncaughtFailure(const std::wstring& detail);

// For use inside a catch block: describes the exception in flight, then ends.
[[noreturn]] void EndOnCurrentException();

// Runs f; nothing it throws gets past this point.
template <typename F>
auto CallGuarded(F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (...) {
        EndOnCurrentException();
    }
}

}  // namespace numora
