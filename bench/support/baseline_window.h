// What the start-up benchmark's baseline programs share: a plain window class
// that ends the program when its window is destroyed, and the message loop.
#pragma once

#include <windows.h>

namespace numora::bench {

inline LRESULT CALLBACK BaselineProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

inline void RegisterBaselineClass(HINSTANCE instance, const wchar_t* className) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BaselineProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    RegisterClassW(&windowClass);
}

inline int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace numora::bench
