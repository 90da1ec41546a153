// Reads another process's windows the way an accessibility tool would:
// by messages that Windows (and Wine) marshal between processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace numora::e2e {

// The control's text (WM_GETTEXT), a caption or an edit's contents.
std::wstring TextOf(HWND window);

std::vector<std::wstring> ListBoxItems(HWND listBox);
int ListBoxSelection(HWND listBox);  // -1 when nothing is selected
RECT ListBoxItemRectOnScreen(HWND listBox, int index);

std::vector<std::wstring> ComboBoxItems(HWND comboBox);
bool ComboBoxDroppedDown(HWND comboBox);

std::wstring ClassNameOf(HWND window);
DWORD ProcessIdOf(HWND window);
LONG StyleOf(HWND window);
LONG ExStyleOf(HWND window);

RECT WindowRectOf(HWND window);
// The client area in screen coordinates.
RECT ClientRectOnScreen(HWND window);
POINT CentreOf(const RECT& rect);
// A length of the layout (1/1440 inch) in pixels at the screen's DPI.
int TwipsToPixels(int twips);
int WidthOf(const RECT& rect);
int HeightOf(const RECT& rect);

// Top-level windows of a process, of a class when one is given.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const wchar_t* className = nullptr);
// Direct children of a window, of a class when one is given.
std::vector<HWND> ChildWindowsOf(HWND parent, const wchar_t* className = nullptr);

// SendMessage with the suite's time limit; throws, naming `what`, when the
// window does not answer in time.
LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what);

// Returns once the window's thread has served every message sent before;
// throws when it does not answer (a hung program).
void SyncWith(HWND window);

}  // namespace numora::e2e
