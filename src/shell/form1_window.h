// The main window: its controls and menu, the Win32 views the handlers work on,
// and the wiring of the controls' notifications to those handlers.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "shell/combo_choice.h"
#include "shell/form_handlers.h"
#include "shell/form_views.h"
#include "shell/layouts.h"
#include "shell/platform_services.h"
#include "shell/standard_controls.h"
#include "shell/window_base.h"
#include "shell/window_lifetime.h"
#include "win32/handles.h"

namespace numora {

inline constexpr DWORD kForm1Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
inline constexpr DWORD kForm1ExStyle = 0;

// The outer rectangle that puts the client area's origin at its fixed place on
// the screen at `dpi`, as narrow as the load makes the window; moved down or
// right only as far as keeps the caption reachable.
RECT Form1PlacedOuterRect(int dpi);

class Form1 : public WindowBase<Form1>, public Form1View {
  public:
    Form1(AboutWindows& aboutWindows, WindowLifetime& lifetime);
    ~Form1();

    // Creates the window hidden, owned by `owner`, with all its controls.
    void Create(HWND owner);
    // A mouse message from the queue for this window or one of its controls.
    void RelayMouseMessage(const MSG& message);

    // Form1View
    DriveList& Drive1() override;
    FolderList& Dir1() override;
    FileList& File1() override;
    TextControl& Text1() override;
    TextControl& Text2() override;
    ComboControl& Combo1() override;
    ComboControl& Combo2() override;
    TextControl& Command2() override;
    UserNotice& Notice() override { return *notice_; }
    void SetOuterWidthTwips(int twips) override;
    void SetToolTip(Form1Control control, const std::wstring& text) override;
    void SetMousePointer(MousePointer pointer) override { pointer_.Set(pointer); }
    void Unload() override { Destroy(); }

  private:
    friend class WindowBase<Form1>;
    // The Win32 views over the controls, made once the controls exist.
    struct Controls;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnCombo1Notify(int code);
    void OnComboActionHandled(int id);
    void OnActivate(WPARAM wParam);
    void OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

    void ApplyFont();
    HWND Control(Form1Control control) const;

    AboutWindows& aboutWindows_;
    WindowLifetime& lifetime_;
    int dpi_ = 96;
    UniqueFont font_;
    std::array<HWND, kForm1Controls.size()> controls_{};  // in table order
    std::unique_ptr<Controls> views_;
    std::optional<ToolTips> tips_;
    std::optional<UserNoticeWin32> notice_;
    LetterCaseWin32 letterCase_;
    // Every entry reached in the open list is chosen, so text and filter agree.
    ComboChoice combo1Choice_{DroppedListPolicy::ChooseWhileBrowsing};
    MousePointerShape pointer_;
    HWND lastFocus_ = nullptr;
};

}  // namespace numora
