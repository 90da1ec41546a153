#include "driver/drop_down_choice.h"

#include <algorithm>

#include "driver/driver_error.h"
#include "driver/poll.h"
#include "driver/user_input.h"
#include "driver/window_query.h"

namespace numora::e2e {
namespace {

constexpr std::chrono::milliseconds kKeyEffectTimeout{3000};

HWND VisibleDropDownOf(DWORD processId) {
    for (HWND list : TopLevelWindowsOf(processId, L"ComboLBox")) {
        if (IsWindowVisible(list)) {
            return list;
        }
    }
    return nullptr;
}

}  // namespace

void ClickDropDownEntry(const NumoraApp& app, HWND comboBox, const std::wstring& entry) {
    BringToFront(app.Form1());
    const RECT box = WindowRectOf(comboBox);
    // The drop-down button sits at the right end of the box.
    const POINT button{box.right - 6, (box.top + box.bottom) / 2};
    ClickAt(button);
    HWND list = nullptr;
    if (!PollUntil([&] { return (list = VisibleDropDownOf(app.ProcessId())) != nullptr; })) {
        throw DriverError("the list of the combo box did not drop down for " + Narrow(entry) +
                          "; under the pointer: " + Narrow(ClassNameOf(WindowFromPoint(button))));
    }
    const auto items = ListBoxItems(list);
    const auto found = std::find(items.begin(), items.end(), entry);
    if (found == items.end()) {
        throw DriverError("the dropped list has no entry " + Narrow(entry));
    }
    const int index = static_cast<int>(found - items.begin());
    // A long list shows a window of its rows; bring the row into it as the scroll bar would.
    const RECT visible = ClientRectOnScreen(list);
    RECT row = ListBoxItemRectOnScreen(list, index);
    if (row.top < visible.top || row.bottom > visible.bottom) {
        SendTo(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0, "LB_SETTOPINDEX");
        row = ListBoxItemRectOnScreen(list, index);
    }
    const POINT target = CentreOf(row);
    HWND hit = WindowFromPoint(target);
    if (hit != list) {
        throw DriverError("the row of " + Narrow(entry) + " is covered by a " +
                          Narrow(ClassNameOf(hit)));
    }
    ClickAt(target);
    if (!PollUntil([&] { return !IsWindowVisible(list); })) {
        throw DriverError("the list stayed open after the click on " + Narrow(entry));
    }
}

void ChooseByMouse(const NumoraApp& app, HWND comboBox, const std::wstring& entry) {
    ClickDropDownEntry(app, comboBox, entry);
    if (!PollUntil([&] { return TextOf(comboBox) == entry; }, kKeyEffectTimeout)) {
        throw DriverError("after a click on " + Narrow(entry) + " the box reads " +
                          Narrow(TextOf(comboBox)));
    }
}

void ChooseByArrowKeys(const NumoraApp& app, HWND comboBox, const std::wstring& entry) {
    const auto items = ComboBoxItems(comboBox);
    const auto target = std::find(items.begin(), items.end(), entry);
    if (target == items.end()) {
        throw DriverError("the combo box has no entry " + Narrow(entry));
    }
    BringToFront(app.Form1());
    for (std::size_t presses = 0; presses <= items.size(); ++presses) {
        const std::wstring now = TextOf(comboBox);
        if (now == entry) {
            return;
        }
        const auto current = std::find(items.begin(), items.end(), now);
        const WORD key = (current != items.end() && current > target) ? VK_UP : VK_DOWN;
        PressKey(key);
        if (!PollUntil([&] { return TextOf(comboBox) != now; }, kKeyEffectTimeout)) {
            throw DriverError("an arrow key did not change the box's text " + Narrow(now));
        }
    }
    throw DriverError("the arrow keys never reached " + Narrow(entry));
}

}  // namespace numora::e2e
