// The file-system reads behind the folder and file lists (Win32 only).
#pragma once

#include <string>
#include <vector>

#include "browse/file_listing.h"

namespace numora {

// Every entry of a folder, without "." and "..". Throws ControlError when the
// folder cannot be opened.
std::vector<DirectoryEntry> ReadDirectory(const std::wstring& folder);

// What the file list shows for a folder under a pattern text.
std::vector<std::wstring> ListFiles(const std::wstring& folder, const std::wstring& patternText);

// The folder's visible subfolders in natural order.
std::vector<std::wstring> ListSubfolders(const std::wstring& folder);

// The folder that a write of the folder list's Path opens: for a drive text
// ("d:" or "d: [LABEL]") that drive's current directory, otherwise the path
// itself; spelled as the file system spells it, in NormalizeFolderPath form.
// Throws ControlError when the folder cannot be opened (a drive not ready).
std::wstring ResolveOpenableFolder(const std::wstring& pathOrDrive);

}  // namespace numora
