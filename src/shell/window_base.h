// One C++ object per window: the window procedure finds the object through
// GWLP_USERDATA and forwards to its HandleMessage; no exception gets out. On it,
// LayoutWindow: what the main window and the about window share.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>
#include <utility>

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

// A window made from its layout (ControlName: its controls' typed names): the
// window as the layout describes it, its controls created in the table's order
// at the window's DPI and in the message font, and placed again when the DPI
// changes; the keyboard focus kept across deactivation; its opening and closing
// reported to the program's lifetime. Every WM_COMMAND goes to Derived's
// OnCommand(id, code), Enter among them as IDOK; every other message Derived has
// to its OnMessage; Derived may answer OnDpiApplied().
template <typename Derived, typename ControlName>
class LayoutWindow : public WindowBase<Derived> {
  public:
    HWND Control(ControlName name) const { return controls_[static_cast<std::size_t>(name)]; }

  protected:
    LayoutWindow(const WindowLayout<ControlName>& layout, WindowLifetime& lifetime)
        : layout_(layout), lifetime_(lifetime) {}
    // Derived's members are gone by now: the window goes without their answers.
    ~LayoutWindow() {
        if (const HWND window = this->hwnd_) {
            this->Detach();
            DestroyWindow(window);
            lifetime_.WindowClosed();
        }
    }

    // The window, hidden and owned by `owner`, with its controls. Made in place
    // for the DPI it is most likely to get: each move of a top-level window is
    // dear under Wine.
    void CreateFromLayout(HWND owner) {
        const WindowDesign& window = layout_.Window;
        UniqueMenu menu = CreateLayoutMenu(window.Menu);
        const std::wstring caption(window.Caption);
        const bool placed = window.ClientOrigin.has_value();
        const int expectedDpi = SystemDpi();
        RECT outer = OuterRectFor(window, expectedDpi);
        if (CreateWindowExW(0, window.ClassName, caption.c_str(), WindowStyle(window.Frame),
                            placed ? outer.left : CW_USEDEFAULT, placed ? outer.top : CW_USEDEFAULT,
                            outer.right - outer.left, outer.bottom - outer.top, owner, menu.get(),
                            GetModuleHandleW(nullptr), &Self()) == nullptr) {
            ThrowLastError("A window could not be created.");
        }
        menu.release();  // the window owns it now
        if (dpi_ = WindowDpi(this->hwnd_); dpi_ != expectedDpi) {
            outer = OuterRectFor(window, dpi_);
            SetWindowPos(this->hwnd_, nullptr, outer.left, outer.top, outer.right - outer.left,
                         outer.bottom - outer.top,
                         SWP_NOZORDER | SWP_NOACTIVATE | (placed ? 0 : SWP_NOMOVE));
        }
        font_ = CreateMessageFont(dpi_);
        ComboFieldFit comboFit;
        for (std::size_t row = 0; row < controls_.size(); ++row) {
            const ControlLayout<ControlName>& control = layout_.Controls[row];
            controls_[row] = CreateLayoutControl(this->hwnd_, ControlId(control.Name),
                                                 control.Design, dpi_, font_.get(), &comboFit);
            if (lastFocus_ == nullptr && control.Design.TabStop) {
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

    // Enter presses the focused button. No button of the program's windows is
    // a default button, so Enter elsewhere does nothing of this.
    void PressFocusedButton() {
        const HWND focus = GetFocus();
        if (focus != nullptr && GetParent(focus) == this->hwnd_ &&
            (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) != 0) {
            SendMessageW(focus, BM_CLICK, 0, 0);
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
                Self().OnCommand(LOWORD(wParam), HIWORD(wParam));
                return 0;
            case WM_ACTIVATE:
                KeepFocus(LOWORD(wParam) != WA_INACTIVE);
                return 0;
            case WM_DPICHANGED:
                RelayoutForDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
                Self().OnDpiApplied();
                return 0;
            default:
                break;
        }
        return Self().OnMessage(message, wParam, lParam);
    }

    // To the rectangle the system suggests for the new DPI, the controls with a
    // font and places at that DPI.
    void RelayoutForDpi(int dpi, const RECT& suggested) {
        dpi_ = dpi;
        SetWindowPos(this->hwnd_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        UniqueFont scaled = CreateMessageFont(dpi_);
        ComboFieldFit comboFit;
        for (std::size_t row = 0; row < controls_.size(); ++row) {
            SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(scaled.get()), TRUE);
            PlaceLayoutControl(controls_[row], layout_.Controls[row].Design, dpi_, &comboFit);
        }
        font_ = std::move(scaled);  // the old font only once no control uses it
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

    const WindowLayout<ControlName>& layout_;
    WindowLifetime& lifetime_;
    std::array<HWND, static_cast<std::size_t>(ControlName::Count)> controls_{};  // in table order
    int dpi_ = kDefaultDpi;
    UniqueFont font_;
    HWND lastFocus_ = nullptr;
};

}  // namespace numora
