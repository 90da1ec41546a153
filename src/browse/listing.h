// What the program asks of the file system (Win32), every path in the form
// FileSystemPath gives: what a folder holds, in Explorer's order, matched as
// the shell matches patterns; which folder a path opens; the rename of one
// file. A folder that cannot be read throws Failure.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace numora {

// The ";"-separated wildcard patterns of the file list, matched against a long
// name as the shell matches them: case ignored, "*.*" matching names without a
// dot too. Where the verdict hangs on the extension alone, the shell is asked
// once per extension: a folder of 32767 photos has one or two, and the shell's
// call is a tenth of the listing's time under Wine.
class FilePatterns {
  public:
    explicit FilePatterns(std::wstring patternText);
    bool Matches(std::wstring_view name);

  private:
    std::wstring patternText_;
    bool byExtension_;
    std::vector<std::pair<std::wstring, bool>> verdicts_;  // by extension, dot included
};

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

// A rename run's RenameFile: MoveFileW with no flags, so an existing newName
// makes it fail and is never replaced.
bool RenameFileWin32(const std::wstring& oldName, const std::wstring& newName);

// The process's current directory, however long it is.
std::wstring CurrentDirectory();

}  // namespace numora
