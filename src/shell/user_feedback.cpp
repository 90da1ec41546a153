#include "shell/user_feedback.h"

#include "win32/failure.h"

namespace numora {
namespace {

HCURSOR CursorFor(MousePointer pointer) {
    return LoadCursorW(nullptr, pointer == MousePointer::Busy ? IDC_APPSTARTING : IDC_ARROW);
}

}  // namespace

void UserNoticeWin32::BeepAndShowInformation(const std::wstring& text) {
    MessageBeep(MB_OK);
    if (MessageBoxW(owner_, text.c_str(), kNoticeTitle, MB_OK | MB_ICONINFORMATION) == 0) {
        ThrowLastError("The message box could not be shown.");
    }
}

void MousePointerShape::Set(MousePointer pointer) {
    pointer_ = pointer;
    // A run does not pump messages, so no WM_SETCURSOR would show the change.
    SetCursor(CursorFor(pointer));
}

bool MousePointerShape::ApplyOnSetCursor() const {
    if (pointer_ == MousePointer::Default) {
        return false;  // every control keeps its own pointer
    }
    SetCursor(CursorFor(pointer_));
    return true;
}

}  // namespace numora
