// What the handlers see of the two windows: small views that the Win32 windows
// implement and the tests fake.
#pragma once

#include <string>

#include "browse/controls.h"
#include "browse/user_notice.h"
#include "shell/layouts.h"
#include "shell/mouse_pointer.h"

namespace numora {

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

}  // namespace numora
