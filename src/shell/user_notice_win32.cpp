#include "shell/user_notice_win32.h"

#include "browse/control_error.h"

namespace numora {

void UserNoticeWin32::BeepAndShowInformation(const std::wstring& text) {
    MessageBeep(MB_OK);
    if (MessageBoxW(owner_, text.c_str(), kNoticeTitle, MB_OK | MB_ICONINFORMATION) == 0) {
        throw ControlError("The message box could not be shown.", GetLastError());
    }
}

}  // namespace numora
