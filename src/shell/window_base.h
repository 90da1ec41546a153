// One C++ object per window: the window procedure finds the object through
// GWLP_USERDATA and forwards to its HandleMessage; no exception gets out.
#pragma once

#include <windows.h>

#include "win32/failure.h"

namespace numora {

template <typename Derived>
class WindowBase {
  public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND Handle() const { return hwnd_; }

    void Show() {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        UpdateWindow(hwnd_);
    }

    // The class of Derived's windows: dialog-coloured, the arrow pointer, the program's icons.
    static void RegisterWindowClass(const wchar_t* className, HICON bigIcon, HICON smallIcon) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = bigIcon;
        windowClass.hIconSm = smallIcon;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground =
            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        windowClass.lpszClassName = className;
        if (RegisterClassExW(&windowClass) == 0) {
            ThrowLastError("A window class could not be registered.");
        }
    }

  protected:
    WindowBase() = default;
    ~WindowBase() = default;

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            self = static_cast<Derived*>(create->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (self == nullptr) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        const LRESULT result =
            CallGuarded([&] { return self->HandleMessage(message, wParam, lParam); });
        if (message == WM_NCDESTROY) {
            // Messages that still arrive for this handle must not reach the object.
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    // The window's end; its WM_NCDESTROY has run once this returns.
    void Destroy() {
        if (DestroyWindow(hwnd_) == FALSE) {
            ThrowLastError("A window could not be closed.");
        }
    }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    // Enter, which the dialog keys report as IDOK, presses the focused button.
    // No button of the program's windows is a default button, so Enter
    // elsewhere does nothing.
    void PressFocusedButton() {
        const HWND focus = GetFocus();
        if (focus != nullptr && GetParent(focus) == hwnd_ &&
            (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) != 0) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
    }

    HWND hwnd_ = nullptr;
};

}  // namespace numora
