#include "driver/title_bar.h"

#include "driver/driver_error.h"
#include "driver/user_input.h"
#include "driver/window_query.h"

namespace numora::e2e {
namespace {

LPARAM PointParam(POINT point) {
    const auto x = static_cast<DWORD>(point.x) & 0xFFFFu;
    const auto y = static_cast<DWORD>(point.y) & 0xFFFFu;
    return static_cast<LPARAM>((y << 16) | x);
}

}  // namespace

void ClickCloseBox(HWND topLevel) {
    BringToFront(topLevel);
    const RECT frame = WindowRectOf(topLevel);
    const int captionMiddle =
        frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = frame.right - 2; x > frame.right - 80 && x > frame.left; --x) {
        const POINT point{x, captionMiddle};
        if (SendTo(topLevel, WM_NCHITTEST, 0, PointParam(point), "WM_NCHITTEST") == HTCLOSE) {
            ClickAt(point);
            return;
        }
    }
    throw DriverError("the window has no close box in its title bar");
}

}  // namespace numora::e2e
