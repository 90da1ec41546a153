#include "shell/control_factory.h"

#include <commctrl.h>

#include <algorithm>
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

DWORD WindowStyle(WindowFrame frame) {
    switch (frame) {
        case WindowFrame::FixedDialog:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    }
    return WS_OVERLAPPED;
}

UniqueMenu CreateLayoutMenu(std::span<const MenuItemLayout> items) {
    if (items.empty()) {
        return nullptr;
    }
    UniqueMenu bar(CreateMenu());
    HMENU submenu = nullptr;  // owned by the bar once appended
    for (const MenuItemLayout& item : items) {
        const std::wstring caption(item.Caption);
        BOOL appended = FALSE;
        if (item.Depth == 0) {
            submenu = CreatePopupMenu();
            appended = AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                                   caption.c_str());
        } else if (caption.empty()) {
            appended = AppendMenuW(submenu, MF_SEPARATOR, 0, nullptr);
        } else {
            appended = AppendMenuW(submenu, MF_STRING, static_cast<UINT_PTR>(item.Command),
                                   caption.c_str());
        }
        if (appended == FALSE) {
            ThrowLastError("A menu could not be made.");
        }
    }
    return bar;
}

RECT OuterRectFor(const WindowDesign& window, int dpi) {
    const ScreenTwips origin = window.ClientOrigin.value_or(ScreenTwips{});
    const int left = TwipsToPixels(origin.Left, dpi);
    const int top = TwipsToPixels(origin.Top, dpi);
    // As high as the layout's bottom edge, on which the lowest control ends.
    const RECT client{left, top, left + TwipsToPixels(window.ClientWidthTwips, dpi),
                      top + TwipsToPixels(window.ClientHeightTwips, dpi)};
    RECT outer = OuterRectForClient(client, WindowStyle(window.Frame), !window.Menu.empty(), dpi);
    if (window.OuterWidthTwips != 0) {
        outer.right = outer.left + TwipsToPixels(window.OuterWidthTwips, dpi);
    }
    // Moved down or right only as far as keeps the caption reachable.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const POINT corner{client.left, client.top};
    if (window.ClientOrigin &&
        GetMonitorInfoW(MonitorFromPoint(corner, MONITOR_DEFAULTTOPRIMARY), &monitor) != FALSE) {
        OffsetRect(&outer, std::max(0L, monitor.rcWork.left - outer.left),
                   std::max(0L, monitor.rcWork.top - outer.top));
    }
    return outer;
}

HWND CreateLayoutControl(HWND parent, int id, const ControlDesign& design, int dpi, HFONT font,
                         ComboFieldFit* fit) {
    const ControlClass controlClass = ClassFor(design.Kind);
    DWORD style = WS_CHILD | WS_VISIBLE | controlClass.style;
    if (design.TabStop) {
        // Each its own group: the arrow keys do not hop between buttons.
        style |= WS_TABSTOP | WS_GROUP;
    }
    const PixelRect place = ToPixels(design.Rect, dpi);
    const std::wstring caption(design.Caption);
    HWND control = CreateWindowExW(controlClass.exStyle, controlClass.className, caption.c_str(),
                                   style, place.Left, place.Top, place.Width, place.Height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control == nullptr) {
        ThrowLastError("A control could not be created.");
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (IsComboBox(design.Kind)) {
        // The open list's height follows from this, not from the box's own height.
        SendMessageW(control, CB_SETMINVISIBLE, kComboDropRows, 0);
        FitClosedComboHeight(control, place.Height, fit);
    }
    return control;
}

void PlaceLayoutControl(HWND control, const ControlDesign& design, int dpi, ComboFieldFit* fit) {
    const PixelRect place = ToPixels(design.Rect, dpi);
    SetWindowPos(control, nullptr, place.Left, place.Top, place.Width, place.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsComboBox(design.Kind)) {
        FitClosedComboHeight(control, place.Height, fit);
    }
}

}  // namespace numora
