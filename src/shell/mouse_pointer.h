// The main window's mouse pointer: the shape a handler asks for, shown at once
// and kept while the pointer moves over the window and its controls.
#pragma once

#include <windows.h>

#include "shell/form1_handlers.h"

namespace numora {

class MousePointerShape {
  public:
    void Set(MousePointer pointer);
    // Answers WM_SETCURSOR: true when the window's own shape was applied.
    bool ApplyOnSetCursor() const;
    MousePointer Current() const { return pointer_; }

  private:
    MousePointer pointer_ = MousePointer::Default;
};

}  // namespace numora
