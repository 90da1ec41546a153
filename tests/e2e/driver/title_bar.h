// Gestures on a window's title bar.
#pragma once

#include <windows.h>

namespace numora::e2e {

// Clicks the close box of a top-level window, found where the window itself
// answers that the close box lies.
void ClickCloseBox(HWND topLevel);

}  // namespace numora::e2e
