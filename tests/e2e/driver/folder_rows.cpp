#include "driver/folder_rows.h"

#include <algorithm>

#include "driver/driver_error.h"
#include "driver/poll.h"
#include "driver/user_input.h"
#include "driver/window_query.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

std::wstring Trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t");
    const auto last = text.find_last_not_of(L" \t");
    return first == std::wstring::npos ? std::wstring{} : text.substr(first, last - first + 1);
}

int FolderRowIndex(HWND dir1, const std::wstring& rowText) {
    const auto rows = FolderRows(dir1);
    const auto found = std::find(rows.rbegin(), rows.rend(), rowText);
    if (found == rows.rend()) {
        throw DriverError("Dir1 has no row " + Narrow(rowText));
    }
    return static_cast<int>(rows.rend() - found) - 1;
}

}  // namespace

std::vector<std::wstring> FolderRows(HWND dir1) {
    auto rows = ListBoxItems(dir1);
    for (auto& row : rows) {
        row = Trimmed(row);
    }
    return rows;
}

void OpenFolderByDoubleClick(const NumoraApp& app, const std::wstring& rowText) {
    HWND dir1 = app.Control(IDC_DIR1);
    const int index = FolderRowIndex(dir1, rowText);
    BringToFront(app.Form1());
    DoubleClickAt(CentreOf(ListBoxItemRectOnScreen(dir1, index)));
}

void OpenFolderByEnter(const NumoraApp& app, const std::wstring& rowText) {
    HWND dir1 = app.Control(IDC_DIR1);
    const int index = FolderRowIndex(dir1, rowText);
    BringToFront(app.Form1());
    ClickAt(CentreOf(ListBoxItemRectOnScreen(dir1, index)));
    if (!PollUntil([&] {
            return FocusedWindowOf(app.UiThreadId()) == dir1 && ListBoxSelection(dir1) == index;
        })) {
        throw DriverError("a click on the row did not select it in Dir1");
    }
    PressKey(VK_RETURN);
}

}  // namespace numora::e2e
