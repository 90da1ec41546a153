#include "shell/platform_services.h"

#include "win32/failure.h"

namespace numora {
namespace {

std::wstring MapCase(const std::wstring& text, DWORD mapping) {
    if (text.empty()) {
        return text;  // the system rejects an empty source
    }
    // The invariant locale: no language-specific rules such as the Turkish dotless i.
    const int length = static_cast<int>(text.size());
    const int needed = LCMapStringW(LOCALE_INVARIANT, mapping, text.c_str(), length, nullptr, 0);
    std::wstring mapped(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed <= 0 ||
        LCMapStringW(LOCALE_INVARIANT, mapping, text.c_str(), length, mapped.data(), needed) <= 0) {
        ThrowLastError("The letter case could not be changed.");
    }
    return mapped;
}

HCURSOR CursorFor(MousePointer pointer) {
    return LoadCursorW(nullptr,
                       pointer == MousePointer::ArrowHourglass ? IDC_APPSTARTING : IDC_ARROW);
}

}  // namespace

bool InstanceRuleWin32::EarlierInstanceRunning() {
    if (!mutex_) {
        mutex_.reset(CreateMutexW(nullptr, FALSE, mutexName_));
        if (!mutex_) {
            ThrowLastError("The single-instance check failed.");
        }
        earlier_ = GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return earlier_;
}

std::wstring LetterCaseWin32::Upper(const std::wstring& text) const {
    return MapCase(text, LCMAP_UPPERCASE);
}

std::wstring LetterCaseWin32::Lower(const std::wstring& text) const {
    return MapCase(text, LCMAP_LOWERCASE);
}

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
