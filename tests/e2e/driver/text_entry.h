// Typing into the program's text boxes and editable combo boxes.
#pragma once

#include <windows.h>

#include <string>

#include "driver/numora_app.h"

namespace numora::e2e {

// Clicks into a text box or an editable combo box and waits for the focus.
void FocusByClick(const NumoraApp& app, HWND control);
// Replaces the whole text of a text box or an editable combo box by typing,
// and returns once every key has been served.
void TypeInto(const NumoraApp& app, HWND control, const std::wstring& text);

}  // namespace numora::e2e
