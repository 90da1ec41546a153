#include "rename/rename_file_win32.h"

#include <windows.h>

namespace numora {

// No look at the target beforehand: the failure of MoveFileW already tells,
// and a second look doubles the cost of every rename under Wine.
bool RenameFileWin32(const std::wstring& oldName, const std::wstring& newName) {
    return MoveFileW(oldName.c_str(), newName.c_str()) != 0;
}

}  // namespace numora
