#include "shell/twips.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/form1_layout.h"

namespace numora {
namespace {

TEST(TwipsToPixels, RoundsLikeMulDiv) {
    struct Row {
        int twips;
        int dpi;
        int pixels;
    };
    const Row rows[] = {
        {15, 96, 1},    {0, 96, 0},    {7, 96, 0},       {8, 96, 1},
        {5, 144, 1},    {-5, 144, -1}, {4, 144, 0},  // exactly half: away from zero
        {22, 96, 1},    {23, 96, 2},   {5670, 96, 378},  {300, 96, 20},
        {300, 144, 30}, {10, 144, 1},  {2775, 96, 185},  {2775, 120, 231},
        {-8, 96, -1},   {-7, 96, 0},   {1440, 192, 192}, {32767 * 15, 96, 32767},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.twips) + " twips at " + std::to_string(row.dpi));
        EXPECT_EQ(TwipsToPixels(row.twips, row.dpi), row.pixels);
    }
}

TEST(TwipsToPixels, ControlsThatTouchInTwipsTouchInPixels) {
    // The file list ends where the narrowed window's visible part ends; at every
    // DPI, neighbouring edges must convert to the same pixel.
    for (const int dpi : {96, 120, 144, 168, 192, 240, 288}) {
        SCOPED_TRACE(dpi);
        for (const ControlLayout& layout : kForm1Controls) {
            const PixelRect pixels = ToPixels(layout.rect, dpi);
            EXPECT_EQ(pixels.left + pixels.width, TwipsToPixels(layout.rect.Right(), dpi));
            EXPECT_EQ(pixels.top + pixels.height, TwipsToPixels(layout.rect.Bottom(), dpi));
            if (layout.name != kForm1CounterBox) {
                EXPECT_LE(pixels.left + pixels.width, TwipsToPixels(kForm1VisibleRightTwips, dpi));
            }
        }
    }
}

TEST(TwipsToPixels, LayoutHeightOfOneRowIsTwentyPixelsAt96Dpi) {
    const PixelRect drive = ToPixels(kForm1Controls.front().rect, 96);
    EXPECT_EQ(drive.height, 20);
    EXPECT_EQ(drive.width, 185);
    EXPECT_EQ(drive.left, 1);
}

}  // namespace
}  // namespace numora
