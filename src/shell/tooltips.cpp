#include "shell/tooltips.h"

#include <commctrl.h>

#include <cstddef>
#include <cwchar>
#include <iterator>

#include "browse/control_error.h"

namespace numora {
namespace {

// The size of the structure as comctl32 5.8 knows it: accepted by every version.
constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOW, lParam) + sizeof(LPARAM);

HWND ComboEditField(HWND control) {
    wchar_t className[32] = {};
    GetClassNameW(control, className, static_cast<int>(std::size(className)));
    if (_wcsicmp(className, WC_COMBOBOXW) != 0) {
        return nullptr;
    }
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
        throw ControlError("The tooltip control could not be created.", GetLastError());
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
        throw ControlError("A tooltip could not be set.", GetLastError());
    }
}

}  // namespace numora
