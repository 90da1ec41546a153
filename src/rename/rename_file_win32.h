// The RenameFile that a run uses on Windows.
#pragma once

#include <string>

#include "rename/renaming_run.h"

namespace numora {

// MoveFileW with no flags: an existing newName makes it fail and is never replaced.
bool RenameFileWin32(const std::wstring& oldName, const std::wstring& newName);

}  // namespace numora
