#include "driver/message_boxes.h"

#include "driver/driver_error.h"
#include "driver/poll.h"
#include "driver/user_input.h"
#include "driver/window_query.h"

namespace numora::e2e {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

}  // namespace

std::vector<HWND> DialogWindowsOf(DWORD processId) {
    return TopLevelWindowsOf(processId, kDialogClass);
}

MessageBoxView ReadMessageBox(HWND box) {
    MessageBoxView view;
    view.window = box;
    view.title = TextOf(box);
    for (HWND child : ChildWindowsOf(box, L"Static")) {
        if ((StyleOf(child) & SS_TYPEMASK) == SS_ICON) {
            view.hasIcon = true;
            continue;
        }
        std::wstring text = TextOf(child);
        if (!text.empty()) {
            view.texts.push_back(std::move(text));
        }
    }
    for (HWND child : ChildWindowsOf(box, L"Button")) {
        view.buttons.push_back(TextOf(child));
    }
    return view;
}

MessageBoxView WaitForMessageBox(DWORD processId) {
    HWND box = nullptr;
    if (!PollUntil([&] {
            for (HWND dialog : DialogWindowsOf(processId)) {
                if (IsWindowVisible(dialog)) {
                    box = dialog;
                    return true;
                }
            }
            return false;
        })) {
        throw DriverError("no message box of the program appeared");
    }
    return ReadMessageBox(box);
}

void PressOk(const MessageBoxView& box) {
    HWND ok = GetDlgItem(box.window, IDOK);
    if (ok == nullptr) {
        throw DriverError("the message box has no OK button");
    }
    PostClick(ok);
    if (!PollUntil([&] { return !IsWindow(box.window); })) {
        throw DriverError("the message box did not close on OK");
    }
}

std::string DescribeDialogsOf(DWORD processId) {
    std::string description;
    for (HWND dialog : DialogWindowsOf(processId)) {
        const MessageBoxView view = ReadMessageBox(dialog);
        description.append("[").append(Narrow(view.title)).append(":");
        for (const auto& text : view.texts) {
            description.append(" ").append(Narrow(text));
        }
        description.append("]");
    }
    return description.empty() ? "none" : description;
}

}  // namespace numora::e2e
