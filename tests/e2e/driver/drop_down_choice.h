// Choosing an entry of a combo box's list, with the mouse or the keyboard.
#pragma once

#include <windows.h>

#include <string>

#include "driver/numora_app.h"

namespace numora::e2e {

// Opens the combo box's drop-down list with the mouse and clicks the entry;
// returns once the list has closed, whatever the program then does.
void ClickDropDownEntry(const NumoraApp& app, HWND comboBox, const std::wstring& entry);
// The same, and waits until the box shows the entry.
void ChooseByMouse(const NumoraApp& app, HWND comboBox, const std::wstring& entry);
// With the focus in the combo box, steps with the arrow keys until its text
// is the entry.
void ChooseByArrowKeys(const NumoraApp& app, HWND comboBox, const std::wstring& entry);

}  // namespace numora::e2e
