// The folder list as the user reads and opens it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver/numora_app.h"

namespace numora::e2e {

// Folder rows without the indentation that a tree may put in front.
std::vector<std::wstring> FolderRows(HWND dir1);
// Opens the last row with this text (a subfolder comes after an ancestor of the same name).
void OpenFolderByDoubleClick(const NumoraApp& app, const std::wstring& rowText);
void OpenFolderByEnter(const NumoraApp& app, const std::wstring& rowText);

}  // namespace numora::e2e
