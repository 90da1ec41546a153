// Pictures of the screen for a person to look at after a run.
#pragma once

#include <windows.h>

#include <string>

namespace numora::e2e {

// Saves what the screen shows inside `rect` as a 24-bit BMP file under the
// screenshot folder; returns the file's full path.
std::wstring SaveScreenRect(const RECT& rect, const std::wstring& fileName);

// Brings the window to the front, lets it repaint, and saves its outer rectangle.
std::wstring SaveWindowPicture(HWND window, const std::wstring& fileName);

}  // namespace numora::e2e
