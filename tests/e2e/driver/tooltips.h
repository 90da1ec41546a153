// Tooltips as the user meets them: rest the pointer on a control and read
// the tip window that the program shows.
#pragma once

#include <windows.h>

#include <string>

namespace numora::e2e {

// Moves the pointer off every control, then onto the centre of `control`,
// and returns the text of the tooltip that appears (bounded wait).
std::wstring HoverToolTip(DWORD processId, HWND control);

// Visible tooltip windows of the process.
bool AnyToolTipVisible(DWORD processId);

}  // namespace numora::e2e
