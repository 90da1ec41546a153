// wait_for_window CLASS [MILLISECONDS]: returns once a visible top-level window
// of that class has been drawn, controls and all; exit code 1 when none came in
// time (30 s unless told). For a screenshot of a program that has just started.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "program_control.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: wait_for_window CLASS [MILLISECONDS]\n");
        return 2;
    }
    const DWORD timeout = argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) : 30000;
    const HWND window = numora::tools::WaitForVisibleWindow(0, argv[1], timeout);
    if (window == nullptr) {
        std::fwprintf(stderr, L"wait_for_window: no visible %ls window\n", argv[1]);
        return 1;
    }
    // Painted now, by the window's own thread, before this returns.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return 0;
}
