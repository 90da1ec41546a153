// Creates and places a window's controls from its layout table.
#pragma once

#include <windows.h>

#include "shell/layout_types.h"

namespace numora {

// How many entries an open combo box shows before it scrolls.
inline constexpr int kComboDropRows = 12;

// Creates the control as a visible child of `parent`, placed at `dpi` and using
// `font`. The parent owns it. Throws when the window system refuses it.
HWND CreateLayoutControl(HWND parent, const ControlSpec& spec, int dpi, HFONT font);

// Moves and sizes the control to its layout rectangle at `dpi`.
void PlaceLayoutControl(HWND control, const ControlSpec& spec, int dpi);

}  // namespace numora
