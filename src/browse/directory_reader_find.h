// The find handle behind every folder read, closed on every way out.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace numora {

struct FindHandleCloser {
    void operator()(HANDLE handle) const noexcept { ::FindClose(handle); }
};
using UniqueFindHandle = std::unique_ptr<void, FindHandleCloser>;

// Starts a listing of folder's entries and reads the first into `first`.
// Returns null for a folder that exists but holds no entry at all (an empty
// root has not even "." and ".."). Throws ControlError when the folder cannot
// be opened, whatever the reason.
UniqueFindHandle OpenFolderListing(const std::wstring& folder, WIN32_FIND_DATAW& first);

// The one entry that `path` names, as the file system spells it. Throws
// ControlError when there is none.
WIN32_FIND_DATAW FindExactEntry(const std::wstring& path);

}  // namespace numora
