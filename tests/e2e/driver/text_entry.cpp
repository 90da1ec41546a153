#include "driver/text_entry.h"

#include "driver/driver_error.h"
#include "driver/poll.h"
#include "driver/user_input.h"
#include "driver/window_query.h"

namespace numora::e2e {
namespace {

constexpr std::chrono::milliseconds kKeyEffectTimeout{3000};
constexpr wchar_t kTypingMark = L'#';

// The edit field of an editable combo box, or the control itself.
HWND EditPartOf(HWND control) {
    if (ClassNameOf(control) == L"ComboBox") {
        const auto edits = ChildWindowsOf(control, L"Edit");
        if (!edits.empty()) {
            return edits.front();
        }
    }
    return control;
}

}  // namespace

void FocusByClick(const NumoraApp& app, HWND control) {
    BringToFront(app.Form1());
    HWND target = EditPartOf(control);
    const POINT centre = CentreOf(WindowRectOf(target));
    ClickAt(centre);
    if (!PollUntil([&] { return FocusedWindowOf(app.UiThreadId()) == target; })) {
        HWND hit = WindowFromPoint(centre);
        HWND focus = FocusedWindowOf(app.UiThreadId());
        throw DriverError("a click did not put the focus into the control; under the pointer: " +
                          Narrow(ClassNameOf(hit)) + ", focus on: " + Narrow(ClassNameOf(focus)));
    }
}

void TypeInto(const NumoraApp& app, HWND control, const std::wstring& text) {
    FocusByClick(app, control);
    PressKey(VK_HOME);
    PressKeyWith(VK_SHIFT, VK_END);
    // A last character that the text cannot already end with shows when every
    // key has been served; a text equal to the old one would show nothing.
    const std::wstring withMark = text + kTypingMark;
    TypeText(withMark);
    if (!PollUntil([&] { return TextOf(control) == withMark; }, kKeyEffectTimeout)) {
        throw DriverError("typing " + Narrow(withMark) + " left the text " +
                          Narrow(TextOf(control)));
    }
    PressKey(VK_BACK);
    if (!PollUntil([&] { return TextOf(control) == text; }, kKeyEffectTimeout)) {
        throw DriverError("backspace left the text " + Narrow(TextOf(control)));
    }
}

}  // namespace numora::e2e
