// The window system's message font, which every control of the program uses.
#pragma once

#include <windows.h>

#include "shell/win32_handles.h"

namespace numora {

// The message font scaled to `dpi`. Throws when the system cannot give it.
UniqueFont CreateMessageFont(int dpi);

// The height of one line of text in `font`, in pixels.
int FontLineHeight(HWND window, HFONT font);

}  // namespace numora
