// The main window: the Win32 views the handlers work on, and the one way its
// events reach them. What comes in (OnCommand), and where it goes:
//   連番化 (Command1) clicked                  -> Command1_Click
//   A/a (Command2) clicked                     -> Command2_Click
//   an extension chosen (Combo1)               -> Combo1_Click, once an action
//   a drive chosen (Drive1)                    -> Drive1_Change, once an action
//   the folder list's path changed (Dir1)      -> Dir1_Change
//   a folder row double-clicked, or Enter on it -> OpenFolderInList
//   Enter on a button                          -> that button's click
//   終了 (mend), バージョン情報 (mver)           -> mend_Click, mver_Click
// Nothing else the controls send sets off anything of the program's own.
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

class Form1 : public LayoutWindow<Form1, Form1Control>, public Form1View {
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
    friend class LayoutWindow<Form1, Form1Control>;
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
