// The program's message boxes: standard "#32770" dialogs of its process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace numora::e2e {

struct MessageBoxView {
    HWND window = nullptr;
    std::wstring title;
    std::vector<std::wstring> texts;    // every static text, in child order
    std::vector<std::wstring> buttons;  // captions of its buttons
    bool hasIcon = false;
};

// Every dialog-class window of the process, shown or not yet shown.
std::vector<HWND> DialogWindowsOf(DWORD processId);
MessageBoxView ReadMessageBox(HWND box);
// Waits (bounded) for a visible message box of the process.
MessageBoxView WaitForMessageBox(DWORD processId);
// Presses its OK button and waits (bounded) until the box is gone.
void PressOk(const MessageBoxView& box);
// "title: text | text" of each dialog of the process, for failure messages.
std::string DescribeDialogsOf(DWORD processId);

}  // namespace numora::e2e
