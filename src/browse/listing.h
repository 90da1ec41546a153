// The folder reads behind the folder and file lists (Win32). A folder that
// cannot be read throws Failure.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace numora {

// The file list's count is a signed 16-bit integer.
inline constexpr std::size_t kMaxListedFiles = 32767;

// Whether a file name matches one of the ";"-separated wildcard patterns, as
// the shell matches them: case ignored, "*.*" matching names without a dot too.
bool MatchesFilePattern(const wchar_t* name, const std::wstring& patternText);

// Explorer's order of names (StrCmpLogicalW), made total by the code units.
void SortAsExplorer(std::vector<std::wstring>& names);

// What the file list shows for a folder: its plain files (no folders, hidden
// or system files) that match the pattern text, the first `limit` of them in
// Explorer's order.
std::vector<std::wstring> ListFiles(const std::wstring& folder, const std::wstring& patternText,
                                    std::size_t limit);

// The folder's visible subfolders in Explorer's order.
std::vector<std::wstring> ListSubfolders(const std::wstring& folder);

// The folder that a write of the folder list's Path opens: for a drive text
// ("d:" or "d: [LABEL]") that drive's current directory, otherwise the path
// itself; spelled as the file system spells it, in NormalizeFolderPath form.
// Throws when the folder cannot be opened (a drive not ready).
std::wstring ResolveOpenableFolder(const std::wstring& pathOrDrive);

// The process's current directory, however long it is.
std::wstring CurrentDirectory();

}  // namespace numora
