// The ids the resource script shares with the program, and the program's own
// window messages and notification codes. Plain #defines: the resource script
// reads this file too. (Controls and menu commands: layouts.h.)
#pragma once

#define IDI_NUMORA 1

// To the application window: a window has closed, and its object can go once
// its messages are over.
#define WM_NUMORA_DISCARD_CLOSED (WM_APP + 1)

// Notification codes of the program's own, sent to a control's parent in
// WM_COMMAND: a combo box's, posted behind the notifications of one user action
// that chose an entry; the folder list's, when its path has changed.
#define NUMORA_CBN_CHOSEN 0x4000
#define NUMORA_LBN_PATH_CHANGED 0x4001
