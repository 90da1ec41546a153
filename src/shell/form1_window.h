// The main window: its menu and place, the Win32 views the handlers work on,
// and the wiring of the controls' notifications to those handlers.
#pragma once

#include <windows.h>

#include <memory>

#include "shell/form_views.h"
#include "shell/layouts.h"
#include "shell/letter_case_win32.h"
#include "shell/standard_controls.h"
#include "shell/user_feedback.h"
#include "shell/window_base.h"

namespace numora {

inline constexpr DWORD kForm1Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// The outer rectangle that puts the client area's origin at its fixed place on
// the screen at `dpi`, as narrow as the load makes the window; moved down or
// right only as far as keeps the caption reachable.
RECT Form1PlacedOuterRect(int dpi);

class Form1 : public LayoutWindow<Form1, Form1Control, kForm1Controls.size()>, public Form1View {
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
    UserNotice& Notice() override;
    void SetOuterWidthTwips(int twips) override;
    void SetToolTip(Form1Control control, const std::wstring& text) override;
    void SetMousePointer(MousePointer pointer) override { pointer_.Set(pointer); }
    void Unload() override { Destroy(); }

  private:
    friend class LayoutWindow<Form1, Form1Control, kForm1Controls.size()>;
    // The Win32 views over the controls, made once the controls exist.
    struct Views;

    void OnCommand(int id, int code);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDpiApplied();
    void OpenSelectedFolder();

    AboutWindows& aboutWindows_;
    std::unique_ptr<Views> views_;
    OneChoicePerAction choices_;
    LetterCaseWin32 letterCase_;
    MousePointerShape pointer_;
};

}  // namespace numora
