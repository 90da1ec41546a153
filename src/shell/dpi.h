// DPI awareness and the DPI a window is drawn at, on every Windows from 7 on.
#pragma once

#include <windows.h>

namespace numora {

inline constexpr int kDefaultDpi = 96;

// Per-monitor awareness where the system offers it; older systems keep what the manifest set.
void EnablePerMonitorDpiAwareness();

// The system DPI (of the primary screen).
int SystemDpi();

// The DPI the window is drawn at.
int WindowDpi(HWND window);

// The outer rectangle of a window whose client area is `client`.
RECT OuterRectForClient(const RECT& client, DWORD style, DWORD exStyle, bool hasMenu, int dpi);

}  // namespace numora
