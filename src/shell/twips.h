// Twips to pixels at a given DPI, rounded the way MulDiv rounds.
#pragma once

#include <cstdint>

#include "shell/layout_types.h"

namespace numora {

inline constexpr int kTwipsPerInch = 1440;

constexpr int TwipsToPixels(int twips, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(twips) * dpi;
    const std::int64_t half = kTwipsPerInch / 2;
    const std::int64_t rounded =
        product >= 0 ? (product + half) / kTwipsPerInch : -((-product + half) / kTwipsPerInch);
    return static_cast<int>(rounded);
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Edges are converted, not sizes, so controls that touch in twips touch in pixels.
constexpr PixelRect ToPixels(const TwipsRect& rect, int dpi) {
    const int left = TwipsToPixels(rect.left, dpi);
    const int top = TwipsToPixels(rect.top, dpi);
    return {left, top, TwipsToPixels(rect.Right(), dpi) - left,
            TwipsToPixels(rect.Bottom(), dpi) - top};
}

}  // namespace numora
