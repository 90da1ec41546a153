#include "driver/tooltips.h"

#include "driver/driver_error.h"
#include "driver/poll.h"
#include "driver/user_input.h"
#include "driver/window_query.h"

namespace numora::e2e {
namespace {

constexpr wchar_t kToolTipClass[] = L"tooltips_class32";

HWND VisibleToolTipOf(DWORD processId) {
    for (HWND tip : TopLevelWindowsOf(processId, kToolTipClass)) {
        if (IsWindowVisible(tip)) {
            return tip;
        }
    }
    return nullptr;
}

}  // namespace

bool AnyToolTipVisible(DWORD processId) {
    return VisibleToolTipOf(processId) != nullptr;
}

std::wstring HoverToolTip(DWORD processId, HWND control) {
    // Far corner of the desktop: no window of the program lies there.
    const RECT desktop = WindowRectOf(GetDesktopWindow());
    MoveMouseTo(POINT{desktop.right - 2, desktop.bottom - 2});
    if (!PollUntil([&] { return !AnyToolTipVisible(processId); })) {
        throw DriverError("a tooltip stayed visible with the pointer away from the window");
    }
    const POINT centre = CentreOf(WindowRectOf(control));
    MoveMouseTo(POINT{centre.x - 1, centre.y});
    MoveMouseTo(centre);
    std::wstring text;
    if (!PollUntil([&] {
            HWND tip = VisibleToolTipOf(processId);
            if (tip == nullptr) {
                return false;
            }
            text = TextOf(tip);
            return !text.empty();
        })) {
        throw DriverError("no tooltip appeared over the control");
    }
    return text;
}

}  // namespace numora::e2e
