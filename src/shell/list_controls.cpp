#include "shell/list_controls.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>

#include "browse/listing.h"
#include "rename/renaming_run.h"
#include "shell/ids.h"
#include "win32/failure.h"
#include "win32/handles.h"

namespace numora {

namespace {

bool IsFixedDrive(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    const UINT type = GetDriveTypeW(root);
    return type == DRIVE_FIXED || type == DRIVE_RAMDISK;
}

}  // namespace

std::wstring ReadVolumeLabel(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    wchar_t label[MAX_PATH + 1] = {};
    if (GetVolumeInformationW(root, label, static_cast<DWORD>(std::size(label)), nullptr, nullptr,
                              nullptr, nullptr, 0) == FALSE) {
        return {};  // no access: the drive is listed without a label
    }
    return label;
}

DriveListWin32::DriveListWin32(HWND combo, const std::wstring& startFolder,
                               VolumeLabelReader readLabel)
    : combo_(combo), readLabel_(std::move(readLabel)) {
    Fill(DriveLetterOf(startFolder).value_or(L'\0'), false);
}

void DriveListWin32::Fill(wchar_t keepLetter, bool everyLabel) {
    combo_.Clear();
    // Closed, the box shows only the kept drive: the others' labels wait until
    // the list opens, which fills it again, or until one of them is chosen.
    const auto labelled = [&](wchar_t letter) {
        return (everyLabel || letter == keepLetter) && IsFixedDrive(letter);
    };
    for (const std::wstring& drive : DriveEntries(GetLogicalDrives(), labelled, readLabel_)) {
        combo_.AddItem(drive);
    }
    committed_ = IndexOfDrive(keepLetter);
    combo_.Select(committed_);
}

std::wstring DriveListWin32::Drive() const {
    const int selected = combo_.Selection();
    if (selected == CB_ERR) {
        ThrowControlFailure("No drive is chosen in the drive list.");
    }
    return combo_.List(selected);
}

void DriveListWin32::SetDrive(const std::wstring& fullPath) {
    const std::optional<wchar_t> letter = DriveLetterOf(fullPath);
    if (!letter) {
        ThrowControlFailure("The path names no drive.");
    }
    int index = IndexOfDrive(*letter);
    if (index == CB_ERR) {
        Fill(CommittedLetter(), false);  // the drive may have appeared since the list was filled
        index = IndexOfDrive(*letter);
    }
    if (index == CB_ERR) {
        ThrowControlFailure("The drive list has no such drive.");
    }
    Commit(index);
}

wchar_t DriveListWin32::CommittedLetter() const {
    return committed_ == CB_ERR ? L'\0' : DriveLetterOf(combo_.List(committed_)).value_or(L'\0');
}

bool DriveListWin32::Changed(WORD code, OneChoicePerAction& choices) {
    bool changed = false;
    Completes([&] {
        switch (code) {
            case CBN_DROPDOWN:
                // Drives come and go; the open list shows those there now.
                Fill(CommittedLetter(), true);
                break;
            case CBN_SELENDCANCEL:
                // Browsed but not chosen: the list shows the drive it had.
                combo_.Select(committed_);
                break;
            default:
                // Browsing the open list must not touch every drive passed on the way.
                if (choices.Chosen(combo_.Handle(), code,
                                   OneChoicePerAction::OpenList::OnlyBrowses) &&
                    combo_.Selection() != committed_) {
                    Commit(combo_.Selection());
                    changed = true;
                }
                break;
        }
    });
    return changed;
}

// Selects the entry, with its label where the drive is fixed and the entry has
// none yet: a drive chosen in the closed list was filled without one.
void DriveListWin32::Commit(int index) {
    const std::wstring entry = combo_.List(index);
    const wchar_t letter = DriveLetterOf(entry).value_or(L'\0');
    if (entry.size() == 2 && IsFixedDrive(letter)) {
        if (const std::wstring label = readLabel_(letter); !label.empty()) {
            combo_.ReplaceItem(index, DriveDisplayText(letter, label));
        }
    }
    combo_.Select(index);
    committed_ = index;
}

int DriveListWin32::IndexOfDrive(wchar_t letter) const {
    for (int index = 0; index < combo_.ListCount(); ++index) {
        if (DriveLetterOf(combo_.List(index)) == letter) {
            return index;
        }
    }
    return CB_ERR;
}

FolderListWin32::FolderListWin32(HWND list, const std::wstring& initialFolder) : list_(list) {
    if (!Completes([&] {
            path_ = ResolveOpenableFolder(initialFolder);
            ShowRows(FolderTreeRows(path_, ListSubfolders(path_)));
        })) {
        path_ = NormalizeFolderPath(initialFolder);
    }
}

void FolderListWin32::SetPath(const std::wstring& path) {
    // Both reads come before any change, so a failure keeps the path and the rows.
    std::wstring opened = ResolveOpenableFolder(path);
    if (opened == path_ && !rows_.empty()) {
        return;  // no change: the rows already show it (start-up writes the folder it opened at)
    }
    // Past this point the list shows another folder, or shows one at all after
    // a start folder that could not be read: a change either way.
    ShowRows(FolderTreeRows(opened, ListSubfolders(opened)));
    path_ = std::move(opened);
    SendMessageW(GetParent(list_), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(list_), NUMORA_LBN_PATH_CHANGED),
                 reinterpret_cast<LPARAM>(list_));
}

void FolderListWin32::ShowRows(std::vector<FolderRow> rows) {
    rows_ = std::move(rows);
    int current = LB_ERR;
    {
        const RedrawGuard quiet(list_);
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        for (const FolderRow& row : rows_) {
            const LRESULT index =
                SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.Text.c_str()));
            if (index == LB_ERR || index == LB_ERRSPACE) {
                ThrowControlFailure("The folder list could not be filled.");
            }
            if (row.IsCurrent) {
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
    return rows_[static_cast<std::size_t>(selected)].FullPath;
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
    // A third of a step before the root's text, as a list box leaves room before its own rows.
    text.left += indentStep_ / 3 + row.Depth * indentStep_;
    DrawTextW(item.hDC, row.Text.c_str(), static_cast<int>(row.Text.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

void FileListWin32::ShowInitialFolder(const std::wstring& folder) {
    // Shown empty when it cannot be read; the folder list's first change fills it.
    Completes([&] { SetPath(folder); });
}

void FileListWin32::SetPath(const std::wstring& folder) {
    path_ = folder;
    Reload();
}

void FileListWin32::SetPattern(const std::wstring& pattern) {
    pattern_ = pattern;
    Reload();
}

void FileListWin32::Refresh() {
    Reload();
}

void FileListWin32::Clear() {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
}

void FileListWin32::Reload() {
    const RedrawGuard quiet(list_);
    Clear();
    const std::vector<std::wstring> names = ListFiles(path_, pattern_, kMaxListedFiles);
    std::size_t characters = 0;
    for (const std::wstring& name : names) {
        characters += name.size() + 1;
    }
    SendMessageW(list_, LB_INITSTORAGE, static_cast<WPARAM>(names.size()),
                 static_cast<LPARAM>(characters * sizeof(wchar_t)));
    for (const std::wstring& name : names) {
        const LRESULT added =
            SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (added == LB_ERR || added == LB_ERRSPACE) {
            Clear();
            ThrowControlFailure("The file list could not be filled.");
        }
    }
}

std::int16_t FileListWin32::ListCount() const {
    const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    if (count < 0 || static_cast<std::size_t>(count) > kMaxListedFiles) {
        ThrowControlFailure("The file list could not be counted.");
    }
    return static_cast<std::int16_t>(count);
}

std::wstring FileListWin32::List(std::int16_t index) const {
    return ReadItemText(list_, LB_GETTEXTLEN, LB_GETTEXT, index);
}

}  // namespace numora
