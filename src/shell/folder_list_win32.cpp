#include "shell/folder_list_win32.h"

#include "browse/control_error.h"
#include "browse/directory_reader.h"
#include "shell/redraw_guard.h"

namespace numora {
namespace {

// The list box's own procedure, kept in the list's user data while the list is
// subclassed. Not SetWindowSubclass: that looks its data up in a window property
// on every message, a round trip to the server under Wine.
WNDPROC ListBoxProcedure(HWND list) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list, GWLP_USERDATA));
}

// Enter on a row opens it, as a double-click does. The dialog keys would
// otherwise turn Enter into the window's IDOK.
LRESULT CALLBACK EnterOpensRow(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC listBox = ListBoxProcedure(list);
    switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = CallWindowProcW(listBox, list, message, wParam, lParam);
            const auto* pending = reinterpret_cast<const MSG*>(lParam);
            if (pending != nullptr && pending->message == WM_KEYDOWN &&
                pending->wParam == VK_RETURN) {
                code |= DLGC_WANTALLKEYS;
            }
            return code;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                SendMessageW(GetParent(list), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
                             reinterpret_cast<LPARAM>(list));
                return 0;
            }
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listBox));
            SetWindowLongPtrW(list, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return CallWindowProcW(listBox, list, message, wParam, lParam);
}

}  // namespace

FolderListWin32::FolderListWin32(HWND list, const std::wstring& initialFolder) : list_(list) {
    SetWindowLongPtrW(list_, GWLP_USERDATA, GetWindowLongPtrW(list_, GWLP_WNDPROC));
    SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EnterOpensRow));
    try {
        path_ = ResolveOpenableFolder(initialFolder);
        ShowRows(FolderTreeRows(path_, ListSubfolders(path_)));
    } catch (const ControlError&) {
        path_ = NormalizeFolderPath(initialFolder);
    }
}

void FolderListWin32::SetPath(const std::wstring& path) {
    // Both reads come before any change, so a failure keeps the path and the rows.
    std::wstring opened = ResolveOpenableFolder(path);
    if (opened == path_ && !rows_.empty()) {
        return;  // no change: the rows already show it (start-up writes the folder it opened at)
    }
    std::vector<FolderRow> rows = FolderTreeRows(opened, ListSubfolders(opened));
    ShowRows(std::move(rows));
    const bool changed = opened != path_;
    path_ = std::move(opened);
    if (changed && onChange_) {
        onChange_();
    }
}

void FolderListWin32::ShowRows(std::vector<FolderRow> rows) {
    rows_ = std::move(rows);
    int current = LB_ERR;
    {
        const RedrawGuard quiet(list_);
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        for (const FolderRow& row : rows_) {
            const LRESULT index =
                SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.text.c_str()));
            if (index == LB_ERR || index == LB_ERRSPACE) {
                throw ControlError("The folder list could not be filled.", GetLastError());
            }
            if (row.isCurrent) {
                current = static_cast<int>(index);
            }
        }
        SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    }
    // The rows above the current folder are few; keep them in sight.
    SendMessageW(list_, LB_SETTOPINDEX, 0, 0);
    if (current != LB_ERR) {
        SendMessageW(list_, LB_SETCARETINDEX, static_cast<WPARAM>(current), FALSE);
    }
}

std::optional<std::wstring> FolderListWin32::SelectedRowFolder() const {
    const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || static_cast<std::size_t>(selected) >= rows_.size()) {
        return std::nullopt;
    }
    return rows_[static_cast<std::size_t>(selected)].fullPath;
}

void FolderListWin32::SetRowHeight(int pixels) {
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, MAKELPARAM(pixels, 0));
}

void FolderListWin32::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= rows_.size()) {
        if ((item.itemState & ODS_FOCUS) != 0) {
            DrawFocusRect(item.hDC, &item.rcItem);
        }
        return;
    }
    const FolderRow& row = rows_[item.itemID];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left += indentStep_ / 3 + row.depth * indentStep_;
    DrawTextW(item.hDC, row.text.c_str(), static_cast<int>(row.text.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

}  // namespace numora
