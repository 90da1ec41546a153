// Ids shared by the resource script, the windows and the end-to-end driver.
// Plain #defines: windres reads this file too.
#pragma once

#define IDI_NUMORA 1
#define IDR_FORM1_MENU 2

// The main window's menu items
#define IDM_MEND 3001
#define IDM_MVER 3002
#define IDM_MFIL 3003

// Form1 controls
#define IDC_DRIVE1 1001
#define IDC_DIR1 1002
#define IDC_TEXT1 1003
#define IDC_COMBO1 1004
#define IDC_COMMAND2 1005
#define IDC_COMBO2 1006
#define IDC_COMMAND1 1007
#define IDC_FILE1 1008
#define IDC_TEXT2 1009
#define IDC_LABEL1 1010

// Form2 controls
#define IDC_FORM2_IMAGE1 2001
#define IDC_FORM2_LABEL1 2002
#define IDC_FORM2_COMMAND1 2003
#define IDC_FORM2_LBLVERSION 2004
#define IDC_FORM2_LBLDISCLAIMER 2005
#define IDC_FORM2_LABEL2 2006

#define NUMORA_FORM1_CLASS L"NumoraForm1"
#define NUMORA_FORM2_CLASS L"NumoraForm2"
#define NUMORA_APP_CLASS L"NumoraApplication"
