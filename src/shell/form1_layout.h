// The main window: its controls in tab order, its menu tree and its own properties.
#pragma once

#include <array>
#include <string_view>

#include "shell/layout_types.h"
#include "shell/resource_ids.h"

namespace numora {

inline constexpr WindowLayout kForm1Window{L"Form1", L"Numora", 7740, 7785};

// Where the client area's top-left corner lies on the screen when first shown.
inline constexpr int kForm1ClientScreenLeftTwips = 150;
inline constexpr int kForm1ClientScreenTopTwips = 435;

// The right edge of what the window shows once start-up has narrowed it; the
// counter box lies beyond it on purpose.
inline constexpr int kForm1VisibleRightTwips = 5575;
inline constexpr std::wstring_view kForm1CounterBox = L"Text2";

inline constexpr std::wstring_view kInitialFilePattern = L"*.jpg;*.jpeg";

// In tab order, which is also the creation order and so the z-order.
inline constexpr std::array<ControlLayout, 10> kForm1Controls{{
    {L"Drive1", ControlKind::DriveList, IDC_DRIVE1, L"", {10, 0, 2775, 300}, 0, true},
    {L"Dir1", ControlKind::FolderList, IDC_DIR1, L"", {10, 330, 2775, 7440}, 1, true},
    {L"Text1", ControlKind::TextBox, IDC_TEXT1, L"", {3610, 0, 1935, 300}, 2, true},
    {L"Combo1", ControlKind::ComboBox, IDC_COMBO1, L"", {3610, 350, 855, 300}, 3, true},
    {L"Command2", ControlKind::PushButton, IDC_COMMAND2, L"A", {4500, 350, 320, 300}, 4, true},
    {L"Combo2", ControlKind::ComboBox, IDC_COMBO2, L"", {4840, 350, 700, 300}, 5, true},
    {L"Command1", ControlKind::PushButton, IDC_COMMAND1, L"連番化", {2830, 350, 750, 300}, 6, true},
    {L"File1", ControlKind::FileList, IDC_FILE1, L"", {2800, 675, 2775, 7110}, 7, true},
    // Out of sight, so the Tab key must not carry the focus there.
    {L"Text2", ControlKind::TextBox, IDC_TEXT2, L"", {6840, 0, 735, 300}, 8, false},
    {L"Label1", ControlKind::Label, IDC_LABEL1, L"基本名", {2940, 50, 615, 200}, 9, false},
}};

struct MenuItemLayout {
    std::wstring_view name;
    std::wstring_view parent;  // empty for an entry of the menu bar
    std::wstring_view caption;
    int id;  // 0 for a submenu or a separator
};

inline constexpr std::wstring_view kMenuSeparatorCaption = L"-";

// Submenus hold their items in table order.
inline constexpr std::array<MenuItemLayout, 6> kForm1Menu{{
    {L"mfile", L"", L"ファイル", 0},
    {L"mend", L"mfile", L"終了", IDM_MEND},
    {L"mhelp", L"", L"ヘルプ", 0},
    {L"mver", L"mhelp", L"バージョン情報", IDM_MVER},
    {L"yy", L"mhelp", kMenuSeparatorCaption, 0},
    {L"mfil", L"mhelp", L"Numoraについて", IDM_MFIL},
}};

}  // namespace numora
