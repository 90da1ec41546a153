#include "shell/metrics.h"

#include <gtest/gtest.h>

#include <array>

namespace numora {
namespace {

// Rounded to the nearest pixel, half away from zero, at the DPIs of common
// screens; most of these do not divide evenly.
TEST(MetricsTest, TwipsBecomeTheNearestPixel) {
    const std::array<int, 3> rows[] = {// twips, DPI, pixels
                                       {2775, 96, 185},  {2775, 120, 231}, {2775, 144, 278},
                                       {2775, 192, 370}, {330, 120, 28},   {7785, 120, 649},
                                       {7785, 144, 779}, {350, 144, 35},   {7, 96, 0},
                                       {8, 96, 1},       {5670, 192, 756}, {10, 144, 1}};
    for (const auto& [twips, dpi, pixels] : rows) {
        SCOPED_TRACE(std::to_string(twips) + " twips at " + std::to_string(dpi));
        EXPECT_EQ(TwipsToPixels(twips, dpi), pixels);
    }
    // The edges are converted, not the sizes: controls that touch in twips touch in pixels.
    const PixelRect file1 = ToPixels({2800, 675, 2775, 7110}, 144);
    EXPECT_EQ((std::array{file1.left, file1.top, file1.width, file1.height}),
              (std::array{280, 68, 278, 711}));
}

}  // namespace
}  // namespace numora
