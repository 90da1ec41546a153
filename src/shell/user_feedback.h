// What the main window shows the user besides its controls: the beep and the
// information box, and the busy pointer.
#pragma once

#include <windows.h>

#include "shell/form_views.h"

namespace numora {

class UserNoticeWin32 : public UserNotice {
  public:
    explicit UserNoticeWin32(HWND owner) : owner_(owner) {}
    void BeepAndShowInformation(const std::wstring& text) override;

  private:
    HWND owner_;
};

// The main window's mouse pointer: the shape a handler asks for, shown at once
// and kept while the pointer moves over the window and its controls.
class MousePointerShape {
  public:
    void Set(MousePointer pointer);
    // Answers WM_SETCURSOR: true when the window's own shape was applied.
    bool ApplyOnSetCursor() const;

  private:
    MousePointer pointer_ = MousePointer::Default;
};

}  // namespace numora
