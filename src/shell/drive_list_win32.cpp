#include "shell/drive_list_win32.h"

#include <iterator>
#include <optional>
#include <vector>

#include "browse/control_error.h"
#include "browse/folder_path.h"

namespace numora {
namespace {

// No "insert a disk" box from the system while drives are probed.
class CriticalErrorsSilenced {
  public:
    CriticalErrorsSilenced() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
    ~CriticalErrorsSilenced() { SetThreadErrorMode(previous_, nullptr); }
    CriticalErrorsSilenced(const CriticalErrorsSilenced&) = delete;
    CriticalErrorsSilenced& operator=(const CriticalErrorsSilenced&) = delete;

  private:
    DWORD previous_ = 0;
};

std::wstring VolumeLabel(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    wchar_t label[MAX_PATH + 1] = {};
    if (GetVolumeInformationW(root, label, static_cast<DWORD>(std::size(label)), nullptr, nullptr,
                              nullptr, nullptr, 0) == FALSE) {
        return {};  // no medium, no access: the drive is listed without a label
    }
    return label;
}

std::vector<std::wstring> SystemDrives() {
    const CriticalErrorsSilenced silenced;
    std::vector<std::wstring> drives;
    const DWORD present = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if ((present & (1u << bit)) != 0) {
            const wchar_t letter = static_cast<wchar_t>(L'a' + bit);
            drives.push_back(DriveDisplayText(letter, VolumeLabel(letter)));
        }
    }
    return drives;
}

wchar_t CurrentDirectoryDrive() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(std::size(folder)), folder);
    const std::optional<wchar_t> letter =
        length > 0 && length < std::size(folder) ? DriveLetterOf(folder) : std::nullopt;
    return letter.value_or(L'\0');
}

}  // namespace

DriveListWin32::DriveListWin32(HWND combo) : combo_(combo) {
    Fill(CurrentDirectoryDrive());
}

void DriveListWin32::Fill(wchar_t keepLetter) {
    SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& drive : SystemDrives()) {
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
    }
    committed_ = IndexOfDrive(keepLetter);
    SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(committed_), 0);
}

std::wstring DriveListWin32::Drive() const {
    const int selected = Selection();
    if (selected == CB_ERR) {
        throw ControlError("No drive is chosen in the drive list.", ERROR_INVALID_DRIVE);
    }
    return EntryText(selected);
}

std::wstring DriveListWin32::EntryText(int index) const {
    const LRESULT length = SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        throw ControlError("The drive list could not be read.", ERROR_INVALID_INDEX);
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    if (copied == CB_ERR) {
        throw ControlError("The drive list could not be read.", ERROR_INVALID_INDEX);
    }
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void DriveListWin32::SetDrive(const std::wstring& fullPath) {
    const std::optional<wchar_t> letter = DriveLetterOf(fullPath);
    if (!letter) {
        throw ControlError("The path names no drive.", ERROR_INVALID_DRIVE);
    }
    int index = IndexOfDrive(*letter);
    if (index == CB_ERR) {
        Fill(CommittedLetter());  // the drive may have appeared since the list was filled
        index = IndexOfDrive(*letter);
    }
    if (index == CB_ERR) {
        throw ControlError("The drive list has no such drive.", ERROR_INVALID_DRIVE);
    }
    SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    committed_ = index;
}

wchar_t DriveListWin32::CommittedLetter() const {
    return committed_ == CB_ERR ? L'\0' : DriveLetterOf(EntryText(committed_)).value_or(L'\0');
}

bool DriveListWin32::OnNotify(WORD code) {
    switch (code) {
        case CBN_DROPDOWN:
            // Drives come and go; the open list shows those there now.
            Fill(CommittedLetter());
            return false;
        case CBN_SELENDCANCEL:
            // Browsed but not chosen: the list shows the drive it had.
            SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(committed_), 0);
            return false;
        case CBN_SELENDOK:
            return choice_.OnSelEndOk(Selection() != CB_ERR) && CommitSelection();
        case CBN_SELCHANGE: {
            const bool dropped = SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
            return choice_.OnSelChange(dropped, Selection() != CB_ERR) && CommitSelection();
        }
        default:
            return false;
    }
}

int DriveListWin32::IndexOfDrive(wchar_t letter) const {
    const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    for (int index = 0; index < count; ++index) {
        if (DriveLetterOf(EntryText(index)) == letter) {
            return index;
        }
    }
    return CB_ERR;
}

int DriveListWin32::Selection() const {
    return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
}

bool DriveListWin32::CommitSelection() {
    const int selected = Selection();
    if (selected == committed_) {
        return false;  // the same drive again is no change
    }
    committed_ = selected;
    return true;
}

}  // namespace numora
