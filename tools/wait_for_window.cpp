// wait_for_window [MILLISECONDS]: returns once Numora's main window is visible
// and drawn, controls and all, and prints its place on the screen in pixels as
// WIDTHxHEIGHT+LEFT+TOP; exit code 1 when none came in time (30 s unless told).
// For a screenshot of a program that has just started.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "program_control.h"
#include "shell/layouts.h"

int wmain(int argc, wchar_t** argv) {
    // In the screen's own pixels at every DPI, not scaled to 96 DPI's.
    SetProcessDPIAware();
    const DWORD timeout = argc > 1 ? static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10)) : 30000;
    const HWND window =
        numora::tools::WaitForVisibleWindow(0, numora::kForm1.Window.ClassName, timeout);
    if (window == nullptr) {
        std::fwprintf(stderr, L"wait_for_window: no visible main window of Numora\n");
        return 1;
    }
    // Painted now, by the window's own thread, before this returns.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT place{};
    GetWindowRect(window, &place);
    std::printf("%ldx%ld+%ld+%ld\n", place.right - place.left, place.bottom - place.top, place.left,
                place.top);
    return 0;
}
