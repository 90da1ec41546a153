#include "shell/standard_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "shell/ids.h"
#include "win32/failure.h"

namespace numora {

std::wstring ReadWindowText(HWND window) {
    // A window that has gone answers WM_GETTEXTLENGTH with 0, which would read as
    // an empty text.
    if (IsWindow(window) == FALSE) {
        ThrowControlFailure("The control no longer exists.");
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
        ThrowControlFailure("No such entry in the list.");
    }
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring TextControlWin32::Text() const {
    return ReadWindowText(control_);
}

void TextControlWin32::SetText(const std::wstring& text) {
    if (SendMessageW(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) == FALSE) {
        ThrowControlFailure("The text could not be set.");
    }
}

std::wstring ComboControlWin32::Text() const {
    return ReadWindowText(combo_);
}

void ComboControlWin32::SetText(const std::wstring& text) {
    const LRESULT result =
        SendMessageW(combo_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // A combo box answers its errors; a window that has gone answers 0, as success.
    if (result == CB_ERR || result == CB_ERRSPACE || IsWindow(combo_) == FALSE) {
        ThrowControlFailure("The combo box's text could not be set.");
    }
}

int ComboControlWin32::ListCount() const {
    const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    if (count == CB_ERR) {
        ThrowControlFailure("The combo box's list could not be counted.");
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
        ThrowControlFailure("The entry could not be added to the combo box.");
    }
}

void ComboControlWin32::Clear() {
    SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
}

void ComboControlWin32::ReplaceItem(int index, const std::wstring& item) {
    SendMessageW(combo_, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    const LRESULT result = SendMessageW(combo_, CB_INSERTSTRING, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(item.c_str()));
    if (result == CB_ERR || result == CB_ERRSPACE) {
        ThrowControlFailure("The entry could not be replaced in the combo box.");
    }
}

int ComboControlWin32::Selection() const {
    return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
}

void ComboControlWin32::Select(int index) {
    SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool OneChoicePerAction::Chosen(HWND combo, WORD code, OpenList openList) {
    const int id = GetDlgCtrlID(combo);
    const auto posted = std::find(posted_.begin(), posted_.end(), id);
    if (code == NUMORA_CBN_CHOSEN) {
        const bool waiting = posted != posted_.end();
        if (waiting) posted_.erase(posted);
        return waiting;
    }
    // CBN_SELENDOK: the list closed on an entry, or a closed list's entry changed.
    const bool browsing = code == CBN_SELCHANGE && openList == OpenList::OnlyBrowses &&
                          SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    if ((code != CBN_SELENDOK && code != CBN_SELCHANGE) || browsing || posted != posted_.end() ||
        SendMessageW(combo, CB_GETCURSEL, 0, 0) == CB_ERR) {
        return false;
    }
    if (PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, NUMORA_CBN_CHOSEN),
                     reinterpret_cast<LPARAM>(combo)) != FALSE) {
        posted_.push_back(id);
    }
    return false;
}

namespace {

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
    info.cbSize = TTTOOLINFOW_V2_SIZE;  // the size every comctl32 version accepts
    info.uFlags = TTF_IDISHWND;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = copy.data();
    // A second tip for the same control replaces the first instead of joining it.
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) == FALSE) {
        ThrowControlFailure("A tooltip could not be set.");
    }
}

}  // namespace numora
