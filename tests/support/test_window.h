// For the tests that make the program's windows in their own process: the one
// Application a process may have, and keys and posted messages served as the
// program's message loop serves them.
#pragma once

#include <windows.h>

#include "shell/application.h"

namespace numora {

// Made once a process: it readies the process and registers the window classes.
inline Application& TestApplication() {
    // GoogleTest sets an error mode of its own: cleared, so that the program's shows.
    static const UINT testingErrorMode = SetErrorMode(0);
    static Application application;
    static_cast<void>(testingErrorMode);
    return application;
}

// Serves what the controls and windows posted, as the message loop would.
inline void ServePosted() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// A key pressed on `focus`, handed on as the program's message loop does: the
// dialog keys of `window` first.
inline void PressKey(HWND window, HWND focus, WPARAM key) {
    SetFocus(focus);
    for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        MSG keyMessage{focus, message, key, 0, 0, {}};
        if (!IsDialogMessageW(window, &keyMessage)) DispatchMessageW(&keyMessage);
    }
    ServePosted();
}

}  // namespace numora
