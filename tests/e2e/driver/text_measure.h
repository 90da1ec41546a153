// How wide a text is in the window system's user-interface font.
#pragma once

#include <string>

namespace numora::e2e {

// No control of the program sets a font, so each draws with the window
// system's user-interface font: the message font of the non-client metrics.
// Font handles do not cross processes under Wine, so the font is made here
// from the same system settings. Returns the width of `text` in pixels.
int TextWidthInUserInterfaceFont(const std::wstring& text);

}  // namespace numora::e2e
