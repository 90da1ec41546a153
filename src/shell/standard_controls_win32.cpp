#include "shell/standard_controls_win32.h"

#include "browse/control_error.h"

namespace numora {

std::wstring ReadWindowText(HWND window) {
    if (IsWindow(window) == FALSE) {
        throw ControlError("The control no longer exists.", ERROR_INVALID_WINDOW_HANDLE);
    }
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring TextControlWin32::Text() const {
    return ReadWindowText(control_);
}

void TextControlWin32::SetText(const std::wstring& text) {
    if (SendMessageW(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) == FALSE) {
        throw ControlError("The text could not be set.", GetLastError());
    }
}

std::wstring ComboControlWin32::Text() const {
    return ReadWindowText(combo_);
}

void ComboControlWin32::SetText(const std::wstring& text) {
    const LRESULT result =
        SendMessageW(combo_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (result == CB_ERR || result == CB_ERRSPACE || IsWindow(combo_) == FALSE) {
        throw ControlError("The combo box's text could not be set.", GetLastError());
    }
}

int ComboControlWin32::ListCount() const {
    const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    if (count == CB_ERR) {
        throw ControlError("The combo box's list could not be counted.", GetLastError());
    }
    return static_cast<int>(count);
}

std::wstring ComboControlWin32::List(int index) const {
    const LRESULT length = SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        throw ControlError("No such entry in the combo box's list.", ERROR_INVALID_INDEX);
    }
    std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(entry.data()));
    if (copied == CB_ERR) {
        throw ControlError("No such entry in the combo box's list.", ERROR_INVALID_INDEX);
    }
    entry.resize(static_cast<std::size_t>(copied));
    return entry;
}

void ComboControlWin32::AddItem(const std::wstring& item) {
    const LRESULT result =
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (result == CB_ERR || result == CB_ERRSPACE) {
        throw ControlError("The entry could not be added to the combo box.", GetLastError());
    }
}

}  // namespace numora
