// The main window: its controls from the layout, the views the handlers work on,
// and the wiring of the controls' notifications to those handlers.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string_view>

#include "shell/form_handlers.h"
#include "shell/layouts.h"
#include "shell/platform_services.h"
#include "shell/win32.h"
#include "shell/window_base.h"

namespace numora {

class Form1 : public WindowBase<Form1>, public MainWindowView {
  public:
    Form1(AboutWindows& aboutWindows, InstanceRule& instances, WindowLifetime& lifetime);
    ~Form1();

    // Creates the window hidden, owned by `owner`, with all its controls.
    void Create(HWND owner);
    LoadOutcome Load();
    // A mouse message from the queue for this window or one of its controls.
    void RelayMouseMessage(const MSG& message);

    // MainWindowView
    void SetOuterWidthTwips(int twips) override;
    void SetToolTip(const std::wstring& controlName, const std::wstring& text) override;
    void SetMousePointer(MousePointer pointer) override;
    void Unload() override;

  private:
    friend class WindowBase<Form1>;
    // The Win32 adapters over the controls, and the handlers' view of them.
    struct Adapters;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code, HWND control);
    void OnCombo1Notify(int code);
    void OnDrive1Notify(int code);
    void OnComboActionHandled(int id);
    void OnEnterKey();
    void OnActivate(WPARAM wParam);
    void OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    void OnDestroyed();

    void PlaceWindow();
    void ApplyFont();
    HWND Control(std::wstring_view name) const;

    AboutWindows& aboutWindows_;
    InstanceRule& instances_;
    WindowLifetime& lifetime_;
    int dpi_ = 96;
    UniqueFont font_;
    std::array<HWND, kForm1Controls.size()> controls_{};
    std::unique_ptr<Adapters> adapters_;
    MousePointerShape pointer_;
    HWND lastFocus_ = nullptr;
};

}  // namespace numora
