#include "shell/standard_controls.h"

#include <commctrl.h>

#include <cstddef>

#include "shell/win32.h"

namespace numora {

std::wstring ReadWindowText(HWND window) {
    if (IsWindow(window) == FALSE) {
        ThrowLastError("The control no longer exists.", ERROR_INVALID_WINDOW_HANDLE);
    }
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring ReadItemText(HWND control, UINT lengthMessage, UINT textMessage, int index) {
    // LB_ERR and CB_ERR are one value.
    const LRESULT length =
        index < 0 ? LB_ERR : SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<std::size_t>(length == LB_ERR ? 0 : length) + 1, L'\0');
    const LRESULT copied = length == LB_ERR
                               ? LB_ERR
                               : SendMessageW(control, textMessage, static_cast<WPARAM>(index),
                                              reinterpret_cast<LPARAM>(text.data()));
    if (copied == LB_ERR) {
        ThrowLastError("No such entry in the list.", ERROR_INVALID_INDEX);
    }
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring TextControlWin32::Text() const {
    return ReadWindowText(control_);
}

void TextControlWin32::SetText(const std::wstring& text) {
    if (SendMessageW(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) == FALSE) {
        ThrowLastError("The text could not be set.");
    }
}

std::wstring ComboControlWin32::Text() const {
    return ReadWindowText(combo_);
}

void ComboControlWin32::SetText(const std::wstring& text) {
    const LRESULT result =
        SendMessageW(combo_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (result == CB_ERR || result == CB_ERRSPACE || IsWindow(combo_) == FALSE) {
        ThrowLastError("The combo box's text could not be set.");
    }
}

int ComboControlWin32::ListCount() const {
    const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    if (count == CB_ERR) {
        ThrowLastError("The combo box's list could not be counted.");
    }
    return static_cast<int>(count);
}

std::wstring ComboControlWin32::List(int index) const {
    return ReadItemText(combo_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

void ComboControlWin32::AddItem(const std::wstring& item) {
    const LRESULT result =
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (result == CB_ERR || result == CB_ERRSPACE) {
        ThrowLastError("The entry could not be added to the combo box.");
    }
}

namespace {

// The size of the structure as comctl32 5.8 knows it: accepted by every version.
constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOW, lParam) + sizeof(LPARAM);

// Null for any other control: only a combo box answers GetComboBoxInfo.
HWND ComboEditField(HWND control) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(control, &info) == FALSE || info.hwndItem == control) {
        return nullptr;
    }
    return info.hwndItem;
}

}  // namespace

ToolTips::ToolTips(HWND owner)
    : owner_(owner),
      tips_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                            nullptr)) {
    if (tips_ == nullptr) {
        ThrowLastError("The tooltip control could not be created.");
    }
}

void ToolTips::SetText(HWND control, const std::wstring& text) {
    SetToolText(control, text);
    if (HWND edit = ComboEditField(control); edit != nullptr) {
        SetToolText(edit, text);
    }
}

void ToolTips::Relay(const MSG& message) const {
    MSG relayed = message;  // the API wants a non-const pointer
    SendMessageW(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void ToolTips::SetToolText(HWND tool, const std::wstring& text) {
    std::wstring copy = text;  // the control copies it; the API only wants a non-const pointer
    TTTOOLINFOW info{};
    info.cbSize = kToolInfoSize;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = copy.data();
    // A second tip for the same control replaces the first instead of joining it.
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) == FALSE) {
        ThrowLastError("A tooltip could not be set.");
    }
}

}  // namespace numora
