// Keyboard and mouse as the user gives them: real input events through
// SendInput, delivered by the window system to the foreground window.
#pragma once

#include <windows.h>

#include <string>

namespace numora::e2e {

// Makes the top-level window the foreground window (bounded wait).
void BringToFront(HWND topLevel);

void PressKey(WORD virtualKey);
void PressKeyWith(WORD modifierKey, WORD virtualKey);  // e.g. VK_SHIFT + VK_END
void TypeText(const std::wstring& text);

void MoveMouseTo(POINT screenPoint);
void ClickAt(POINT screenPoint);
void DoubleClickAt(POINT screenPoint);

// The window holding the keyboard focus in the given thread, or null.
HWND FocusedWindowOf(DWORD threadId);

// A button press as a click would make it, without blocking on whatever
// the program shows in response (a modal message box, say).
void PostClick(HWND button);

}  // namespace numora::e2e
