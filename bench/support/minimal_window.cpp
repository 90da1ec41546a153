// The bare baseline of the start-up benchmark: the least a Win32 program does to show a window.
#include "support/baseline_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    numora::bench::RegisterBaselineClass(instance, L"NumoraBenchMinimal");
    HWND window =
        CreateWindowExW(0, L"NumoraBenchMinimal", L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 400, 300, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    return numora::bench::RunMessageLoop();
}
