// Every id of the program: resources, menu commands, controls (each named by
// its layout name and its role), window classes and private window messages.
// Plain #defines: the resource script reads this file too.
#pragma once

#define IDI_NUMORA 1
#define IDR_FORM1_MENU 2

// The main window's menu commands
#define IDM_MEND_EXIT 3001
#define IDM_MVER_ABOUT 3002
#define IDM_MFIL_NOTHING 3003

// The main window's controls
#define IDC_DRIVE1_DRIVES 1001
#define IDC_DIR1_FOLDERS 1002
#define IDC_TEXT1_BASE_NAME 1003
#define IDC_COMBO1_EXTENSION 1004
#define IDC_COMMAND2_CASE 1005
#define IDC_COMBO2_DIGITS 1006
#define IDC_COMMAND1_RUN 1007
#define IDC_FILE1_FILES 1008
#define IDC_TEXT2_COUNTER 1009
#define IDC_LABEL1_NAMES_TEXT1 1010

// The about window's controls
#define IDC_FORM2_IMAGE1_ICON 2001
#define IDC_FORM2_LABEL1_PRODUCT 2002
#define IDC_FORM2_COMMAND1_OK 2003
#define IDC_FORM2_LBLVERSION_VERSION 2004
#define IDC_FORM2_LBLDISCLAIMER_RIGHTS 2005
#define IDC_FORM2_LABEL2_WEB_ADDRESS 2006

#define NUMORA_FORM1_CLASS L"NumoraForm1"
#define NUMORA_FORM2_CLASS L"NumoraForm2"
#define NUMORA_APP_CLASS L"NumoraApplication"

// To the application window: a window has closed, and its object can go once
// its messages are over.
#define WM_NUMORA_DISCARD_CLOSED (WM_APP + 1)
// A combo box's notification code of the program's own, posted behind the
// notifications of one user action that chose an entry.
#define NUMORA_CBN_CHOSEN 0x4000
