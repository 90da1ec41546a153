// The rename that a run uses on Windows.
#pragma once

#include <string>

#include "rename/renaming_run.h"

namespace numora {

// Renames with MoveFileW and no flags: an existing newName makes it fail with
// ERROR_ALREADY_EXISTS and is never replaced. Fits RenameFile as it stands.
RenameOutcome MoveFileRename(const std::wstring& oldName, const std::wstring& newName);

}  // namespace numora
