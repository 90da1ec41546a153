// Window-free text rules of the drive and folder lists.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace numora {

// The lower-case drive letter that a drive text or full path starts with
// ("C:", "c: [SYSTEM]", "C:\Photos"); empty when it starts with none.
std::optional<wchar_t> DriveLetterOf(const std::wstring& text);

// "c: [SYSTEM]" for a labelled drive, "c:" without a label.
std::wstring DriveDisplayText(wchar_t driveLetter, const std::wstring& volumeLabel);

// The drive list's entries for the drives present (bit 0 is a:), in letter
// order. Labels are read only where `hasLabel` says so: a network or removable
// drive can keep the list waiting for seconds, or have the system ask for a disk.
std::vector<std::wstring> DriveEntries(std::uint32_t presentDrives,
                                       const std::function<bool(wchar_t)>& hasLabel,
                                       const std::function<std::wstring(wchar_t)>& readLabel);

// The folder list's form of a full path: a root is exactly "c:\", any other
// folder has no trailing backslash; the drive letter in lower case, the rest as given.
std::wstring NormalizeFolderPath(const std::wstring& fullPath);

// The form in which a file-system call takes a path. A full path of MAX_PATH
// (260) characters or more goes in the \\?\ form ("\\?\c:\...",
// "\\?\UNC\server\share\..."), which every Windows accepts whatever its
// long-path policy, normalized first as the system would have done; any other
// path goes as given.
std::wstring FileSystemPath(const std::wstring& path);

// A path as the user sees it and the lists keep it: without a \\?\ prefix.
std::wstring ShownPath(const std::wstring& path);

// The folder `name` inside `folder` ("c:\" + "a" -> "c:\a", "c:\a" + "b" -> "c:\a\b").
std::wstring JoinFolder(const std::wstring& folder, const std::wstring& name);

// One row of the folder list: the root, each ancestor and the current folder
// (indented like a tree), then the current folder's subfolders one level deeper.
struct FolderRow {
    std::wstring Text;      // what the row shows: "c:\" for the root, else the folder's name
    int Depth = 0;          // indentation level, 0 for the root
    std::wstring FullPath;  // normalized full path the row opens
    bool IsCurrent = false;
};

std::vector<FolderRow> FolderTreeRows(const std::wstring& normalizedPath,
                                      const std::vector<std::wstring>& subfolderNames);

}  // namespace numora
