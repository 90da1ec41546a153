// The drive, folder and file lists, which Win32 lacks, built on its combo and
// list boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "browse/folder_path.h"
#include "browse/views.h"
#include "shell/standard_controls.h"

namespace numora {

// A drive's volume label; empty when it has none or cannot be read.
using VolumeLabelReader = std::function<std::wstring(wchar_t driveLetter)>;
std::wstring ReadVolumeLabel(wchar_t driveLetter);

// The drive list over a drop-down list combo box. Labels are read of fixed
// drives only: another drive can keep the list waiting, or have the system ask
// for a disk.
class DriveListWin32 : public DriveList {
  public:
    // Fills the list and selects the drive of `startFolder`.
    DriveListWin32(HWND combo, const std::wstring& startFolder,
                   VolumeLabelReader readLabel = ReadVolumeLabel);

    std::wstring Drive() const override;
    void SetDrive(const std::wstring& fullPath) override;

    // A notification from the combo box; true when the user has changed the
    // drive. A list that cannot be read or refilled changes none.
    bool Changed(WORD code, OneChoicePerAction& choices);

  private:
    // Reads the system's drives again, keeping `keepLetter` selected when it is
    // still there; with the labels of every fixed drive, or of the kept one only.
    void Fill(wchar_t keepLetter, bool everyLabel);
    void Commit(int index);
    wchar_t CommittedLetter() const;  // L'\0' when no drive is chosen
    int IndexOfDrive(wchar_t letter) const;

    ComboControlWin32 combo_;
    VolumeLabelReader readLabel_;
    int committed_ = CB_ERR;
};

// The folder list over an owner-drawn list box: the path from the root down to
// the current folder, indented like a tree, then the current folder's
// subfolders. Every change of its path is sent to the list's parent as
// WM_COMMAND NUMORA_LBN_PATH_CHANGED.
class FolderListWin32 : public FolderList {
  public:
    // Shows `initialFolder` without notifying; an unreadable one leaves the list
    // empty, and then the first write of Path that can be read is a change.
    FolderListWin32(HWND list, const std::wstring& initialFolder);
    FolderListWin32(const FolderListWin32&) = delete;
    FolderListWin32& operator=(const FolderListWin32&) = delete;

    std::wstring Path() const override { return path_; }
    void SetPath(const std::wstring& path) override;

    // The folder of the selected row, which a double-click or Enter opens.
    std::optional<std::wstring> SelectedRowFolder() const;

    // One level of the tree, in pixels at 96 DPI.
    static constexpr int kIndentAt96Dpi = 12;

    void SetRowHeight(int pixels);
    void SetIndentStep(int pixels) { indentStep_ = pixels; }
    void Draw(const DRAWITEMSTRUCT& item) const;

  private:
    void ShowRows(std::vector<FolderRow> rows);

    HWND list_;
    std::wstring path_;
    std::vector<FolderRow> rows_;
    int indentStep_ = kIndentAt96Dpi;
};

// The file list over a list box, in the order the listing gives (not sorted by the box).
class FileListWin32 : public FileList {
  public:
    FileListWin32(HWND list, std::wstring pattern) : list_(list), pattern_(std::move(pattern)) {}

    // Lists `folder` at start; a folder that cannot be read leaves the list empty.
    void ShowInitialFolder(const std::wstring& folder);

    void SetPath(const std::wstring& folder) override;
    void SetPattern(const std::wstring& pattern) override;
    std::int16_t ListCount() const override;
    std::wstring List(std::int16_t index) const override;
    void Refresh() override;
    void Clear() override;

  private:
    // On a failure the list is left empty, never showing another folder's names.
    void Reload();

    HWND list_;
    std::wstring path_;
    std::wstring pattern_;
};

}  // namespace numora
