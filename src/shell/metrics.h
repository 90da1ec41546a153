// Sizes on the screen: twips to pixels, the DPI a window is drawn at (the
// manifest makes the program per-monitor aware), and the system's message
// font, which every control of the program uses.
#pragma once

#include <windows.h>

#include "shell/layouts.h"
#include "win32/handles.h"

namespace numora {

inline constexpr int kDefaultDpi = 96;
inline constexpr int kTwipsPerInch = 1440;

// To the nearest pixel, half away from zero.
inline int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, kTwipsPerInch);
}

// A size in pixels at 96 DPI, at `dpi`.
inline int ScaleForDpi(int pixelsAt96Dpi, int dpi) {
    return MulDiv(pixelsAt96Dpi, dpi, kDefaultDpi);
}

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// Edges are converted, not sizes, so controls that touch in twips touch in pixels.
inline PixelRect ToPixels(const TwipsRect& rect, int dpi) {
    const int left = TwipsToPixels(rect.Left, dpi);
    const int top = TwipsToPixels(rect.Top, dpi);
    return {left, top, TwipsToPixels(rect.Right(), dpi) - left,
            TwipsToPixels(rect.Bottom(), dpi) - top};
}

// The system DPI (of the primary screen).
int SystemDpi();

// The DPI the window is drawn at.
int WindowDpi(HWND window);

// The outer rectangle of a window of `style` whose client area is `client`.
RECT OuterRectForClient(const RECT& client, DWORD style, bool hasMenu, int dpi);

// The message font scaled to `dpi`. Throws when the system cannot give it.
UniqueFont CreateMessageFont(int dpi);

// The height of one line of text in `font`, in pixels.
int FontLineHeight(HWND window, HFONT font);

}  // namespace numora
