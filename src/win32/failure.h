// Both sides of failure. Every failed call throws Failure; each user action (a
// click, a choice, opening a folder, start-up) catches at its own edge with
// Completes and decides there what the user is shown; whatever gets past every
// action reaches a window procedure's CallGuarded, which ends the program.
#pragma once

#include <stdexcept>

namespace numora {

// A call that failed: a Win32 call (its text names the system's error), or a
// control that answered a message with its error value.
class Failure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A call that sets the thread's last error failed; or one that sets none, with its own code.
[[noreturn]] void ThrowLastError(const char* what);
[[noreturn]] void ThrowLastError(const char* what, unsigned long error);

// SendMessage sets no last error, so any code read then would be a stale one.
[[noreturn]] inline void ThrowControlFailure(const char* what) {
    throw Failure(what);
}

// Runs one user action, or the part of it that a failure abandons: true when it
// ran to its end, false when a failure ended it there.
template <typename Action>
bool Completes(Action&& action) {
    try {
        action();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// For use inside a catch block: the standard box for a failure that no action
// caught, naming it, then the end of the program.
[[noreturn]] void EndOnUncaughtFailure();

// A window procedure's body: nothing it throws gets past this point.
template <typename F>
auto CallGuarded(F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (...) {
        EndOnUncaughtFailure();
    }
}

}  // namespace numora
