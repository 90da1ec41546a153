#include "shell/control_factory.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "shell/metrics.h"
#include "win32/failure.h"

namespace numora {
namespace {

// The window class and styles of each kind of control.
struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassFor(ControlKind kind) {
    constexpr DWORD kListBox = WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    switch (kind) {
        case ControlKind::DriveList:
            return {WC_COMBOBOXW, WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case ControlKind::FolderList:
            // Drawn by the folder list itself, to indent the rows like a tree.
            return {WC_LISTBOXW, kListBox | LBS_OWNERDRAWFIXED, WS_EX_CLIENTEDGE};
        case ControlKind::FileList:
            return {WC_LISTBOXW, kListBox, WS_EX_CLIENTEDGE};
        case ControlKind::TextBox:
            return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox:
            return {WC_COMBOBOXW, WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
        case ControlKind::PushButton:
            return {WC_BUTTONW, BS_PUSHBUTTON, 0};
        case ControlKind::Label:
            return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
        case ControlKind::Image:
            // Centred keeps the layout's size instead of shrinking to the icon.
            return {WC_STATICW, SS_ICON | SS_CENTERIMAGE, 0};
    }
    return {WC_STATICW, 0, 0};
}

bool IsComboBox(ControlKind kind) {
    return kind == ControlKind::DriveList || kind == ControlKind::ComboBox;
}

int OuterHeight(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

// A closed combo box sizes itself from its selection field; set that field so
// the closed box is exactly the layout's height, whatever its borders are. The
// field's height is steered by what was set, not by what is read back: Wine
// reports it two pixels taller than set.
void FitClosedComboHeight(HWND combo, int targetHeight, ComboFieldFit* fit) {
    const LRESULT current = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (current == CB_ERR) {
        return;
    }
    int field = static_cast<int>(current);
    bool fieldSet = false;
    const auto setField = [&](int height) {
        field = height;
        fieldSet = true;
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    };
    if (fit != nullptr && OuterHeight(combo) != targetHeight) {
        if (const std::optional<int> known = fit->FieldFor(targetHeight)) {
            setField(*known);
        }
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int difference = targetHeight - OuterHeight(combo);
        if (difference == 0) {
            if (fit != nullptr && fieldSet) {
                fit->Learn(field, targetHeight);
            }
            return;
        }
        if (field + difference < 1) {
            return;
        }
        setField(field + difference);
    }
}

}  // namespace

std::optional<int> ComboFieldFit::FieldFor(int closedHeight) const {
    if (!border_ || closedHeight - *border_ < 1) {
        return std::nullopt;
    }
    return closedHeight - *border_;
}

HWND CreateLayoutControl(HWND parent, const ControlLayout& layout, int dpi, HFONT font,
                         ComboFieldFit* fit) {
    const ControlClass controlClass = ClassFor(layout.kind);
    DWORD style = WS_CHILD | WS_VISIBLE | controlClass.style;
    if (layout.tabStop) {
        // Each its own group: the arrow keys do not hop between buttons.
        style |= WS_TABSTOP | WS_GROUP;
    }
    const PixelRect place = ToPixels(layout.rect, dpi);
    const std::wstring caption(layout.caption);
    HWND control = CreateWindowExW(controlClass.exStyle, controlClass.className, caption.c_str(),
                                   style, place.left, place.top, place.width, place.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control == nullptr) {
        ThrowLastError("A control could not be created.");
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (IsComboBox(layout.kind)) {
        // The open list's height follows from this, not from the box's own height.
        SendMessageW(control, CB_SETMINVISIBLE, kComboDropRows, 0);
        FitClosedComboHeight(control, place.height, fit);
    }
    return control;
}

void PlaceLayoutControl(HWND control, const ControlLayout& layout, int dpi, ComboFieldFit* fit) {
    const PixelRect place = ToPixels(layout.rect, dpi);
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsComboBox(layout.kind)) {
        FitClosedComboHeight(control, place.height, fit);
    }
}

void RelayoutForDpi(HWND window, const RECT& suggested, int dpi, std::span<const HWND> controls,
                    std::span<const ControlLayout> layouts, UniqueFont& font) {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    UniqueFont scaled = CreateMessageFont(dpi);
    ComboFieldFit comboFit;
    for (std::size_t index = 0; index < controls.size(); ++index) {
        SendMessageW(controls[index], WM_SETFONT, reinterpret_cast<WPARAM>(scaled.get()), TRUE);
        PlaceLayoutControl(controls[index], layouts[index], dpi, &comboFit);
    }
    font = std::move(scaled);  // the old font only once no control uses it
}

}  // namespace numora
