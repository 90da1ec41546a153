// What the shell's handlers see of the program: small views of the two windows,
// of the single-instance rule and of the windows' lifetime, which the Win32
// layer implements and the tests fake.
#pragma once

#include <string>

#include "browse/views.h"
#include "shell/layouts.h"

namespace numora {

// The main window's pointer while a run is busy (arrow with hourglass), or each
// control's own.
enum class MousePointer { Default, Busy };

// The main window: its controls by their layout names, and its own operations.
class Form1View {
  public:
    virtual ~Form1View() = default;
    virtual DriveList& Drive1() = 0;
    virtual FolderList& Dir1() = 0;
    virtual FileList& File1() = 0;
    virtual TextControl& Text1() = 0;
    virtual TextControl& Text2() = 0;
    virtual ComboControl& Combo1() = 0;
    virtual ComboControl& Combo2() = 0;
    virtual TextControl& Command2() = 0;
    virtual UserNotice& Notice() = 0;

    virtual void SetOuterWidthTwips(int twips) = 0;
    virtual void SetToolTip(Form1Control control, const std::wstring& text) = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    virtual void Unload() = 0;
};

// One about window.
class Form2View {
  public:
    virtual ~Form2View() = default;
    virtual void Unload() = 0;  // this about window only
};

// Opens a new, modeless about window every time.
class AboutWindows {
  public:
    virtual ~AboutWindows() = default;
    virtual void OpenNew() = 0;
};

// Whether an earlier instance of the program is already running.
class InstanceRule {
  public:
    virtual ~InstanceRule() = default;
    virtual bool EarlierInstanceRunning() = 0;
};

// The program runs while any of its windows is open; each window reports its
// own opening and closing.
class WindowLifetime {
  public:
    virtual ~WindowLifetime() = default;
    virtual void WindowOpened() = 0;
    virtual void WindowClosed() = 0;
};

}  // namespace numora
