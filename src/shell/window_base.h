// One C++ object per window: the window procedure finds the object through
// GWLP_USERDATA and forwards to its HandleMessage; no exception gets out. On it,
// LayoutWindow: what the main window and the about window share.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "shell/control_factory.h"
#include "shell/form_views.h"
#include "shell/layouts.h"
#include "shell/metrics.h"
#include "win32/failure.h"
#include "win32/handles.h"

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
            self->Detach();
        }
        return result;
    }

    // Messages that still arrive for this handle no longer reach the object.
    void Detach() {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
    }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
};

// A window made from its layout table (ControlName: its typed control names):
// its controls created in the table's order at the window's DPI and in the
// message font, and placed again when the DPI changes; the keyboard focus kept
// across deactivation; Enter on the focused button; its opening and closing
// reported to the program's lifetime. Derived answers OnCommand(id, code) and
// OnMessage (every other message it has), and may answer OnDpiApplied().
template <typename Derived, typename ControlName, std::size_t N>
class LayoutWindow : public WindowBase<Derived> {
  public:
    HWND Control(ControlName name) const { return controls_[RowOf(layout_, name)]; }

  protected:
    LayoutWindow(const std::array<ControlLayout, N>& layout, WindowLifetime& lifetime)
        : layout_(layout), lifetime_(lifetime) {}
    // Derived's members are gone by now: the window goes without their answers.
    ~LayoutWindow() {
        if (const HWND window = this->hwnd_) {
            this->Detach();
            DestroyWindow(window);
            lifetime_.WindowClosed();
        }
    }

    // Once Derived has made the window: its controls, from the layout table.
    void CreateControls() {
        dpi_ = WindowDpi(this->hwnd_);
        font_ = CreateMessageFont(dpi_);
        ComboFieldFit comboFit;
        for (std::size_t row = 0; row < N; ++row) {
            controls_[row] =
                CreateLayoutControl(this->hwnd_, layout_[row], dpi_, font_.get(), &comboFit);
            if (lastFocus_ == nullptr && layout_[row].tabStop) {
                lastFocus_ = controls_[row];
            }
        }
    }

    // The window's end; its WM_NCDESTROY has run once this returns.
    void Destroy() {
        if (DestroyWindow(this->hwnd_) == FALSE) {
            ThrowLastError("A window could not be closed.");
        }
    }

    int Dpi() const { return dpi_; }
    HFONT Font() const { return font_.get(); }

  private:
    friend class WindowBase<Derived>;

    Derived& Self() { return static_cast<Derived&>(*this); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_CREATE:
                lifetime_.WindowOpened();
                return 0;
            case WM_NCDESTROY:
                lifetime_.WindowClosed();
                break;
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK) {
                    PressFocusedButton();
                } else {
                    Self().OnCommand(LOWORD(wParam), HIWORD(wParam));
                }
                return 0;
            case WM_ACTIVATE:
                KeepFocus(LOWORD(wParam) != WA_INACTIVE);
                return 0;
            case WM_DPICHANGED:
                dpi_ = HIWORD(wParam);
                RelayoutForDpi(this->hwnd_, *reinterpret_cast<const RECT*>(lParam), dpi_, controls_,
                               layout_, font_);
                Self().OnDpiApplied();
                return 0;
            default:
                break;
        }
        return Self().OnMessage(message, wParam, lParam);
    }

    // The control that had the focus when the window went inactive has it again
    // when the window is active again; at first, the first in tab order.
    void KeepFocus(bool active) {
        if (!active) {
            const HWND focus = GetFocus();
            if (focus != nullptr && IsChild(this->hwnd_, focus) != FALSE) {
                lastFocus_ = focus;
            }
        } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) != FALSE) {
            SetFocus(lastFocus_);
        }
    }

    // Enter, which the dialog keys report as IDOK, presses the focused button.
    // No button of the program's windows is a default button, so Enter
    // elsewhere does nothing.
    void PressFocusedButton() {
        const HWND focus = GetFocus();
        if (focus != nullptr && GetParent(focus) == this->hwnd_ &&
            (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) != 0) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
    }

    const std::array<ControlLayout, N>& layout_;
    WindowLifetime& lifetime_;
    std::array<HWND, N> controls_{};  // in table order
    int dpi_ = kDefaultDpi;
    UniqueFont font_;
    HWND lastFocus_ = nullptr;
};

}  // namespace numora
