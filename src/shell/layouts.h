// The two windows as data: their own properties, their controls in tab order
// (which is also the creation order and so the z-order), and the main menu.
// Places and sizes are in twips (1/1440 inch) from the client area's top-left corner.
#pragma once

#include <array>
#include <string_view>

#include "shell/resource_ids.h"

namespace numora {

enum class ControlKind {
    DriveList,
    FolderList,
    FileList,
    TextBox,
    ComboBox,
    PushButton,
    Label,
    Image
};

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return left + width; }
    constexpr int Bottom() const { return top + height; }
};

struct ControlLayout {
    std::wstring_view name;  // the layout name the handlers use ("Text1")
    ControlKind kind;
    int id;
    std::wstring_view caption;
    TwipsRect rect;
    bool tabStop;  // whether the Tab key visits it
};

struct WindowLayout {
    std::wstring_view caption;
    int clientWidthTwips;
    int clientHeightTwips;
};

struct MenuItemLayout {
    std::wstring_view name;
    std::wstring_view parent;  // empty for an entry of the menu bar
    std::wstring_view caption;
    int id;  // 0 for a submenu or a separator
};

inline constexpr std::wstring_view kMenuSeparatorCaption = L"-";

// The main window. Where its client area's top-left corner lies on the screen when first shown:
inline constexpr WindowLayout kForm1Window{L"Numora", 7740, 7785};
// The load narrows the main window to this outer width.
inline constexpr int kForm1LoadedOuterWidthTwips = 5670;
inline constexpr int kForm1ClientScreenLeftTwips = 150;
inline constexpr int kForm1ClientScreenTopTwips = 435;
inline constexpr std::wstring_view kInitialFilePattern = L"*.jpg;*.jpeg";

inline constexpr std::array<ControlLayout, 10> kForm1Controls{{
    {L"Drive1", ControlKind::DriveList, IDC_DRIVE1, L"", {10, 0, 2775, 300}, true},
    {L"Dir1", ControlKind::FolderList, IDC_DIR1, L"", {10, 330, 2775, 7440}, true},
    {L"Text1", ControlKind::TextBox, IDC_TEXT1, L"", {3610, 0, 1935, 300}, true},
    {L"Combo1", ControlKind::ComboBox, IDC_COMBO1, L"", {3610, 350, 855, 300}, true},
    {L"Command2", ControlKind::PushButton, IDC_COMMAND2, L"A", {4500, 350, 320, 300}, true},
    {L"Combo2", ControlKind::ComboBox, IDC_COMBO2, L"", {4840, 350, 700, 300}, true},
    {L"Command1", ControlKind::PushButton, IDC_COMMAND1, L"連番化", {2830, 350, 750, 300}, true},
    {L"File1", ControlKind::FileList, IDC_FILE1, L"", {2800, 675, 2775, 7110}, true},
    // Out of sight, so the Tab key must not carry the focus there.
    {L"Text2", ControlKind::TextBox, IDC_TEXT2, L"", {6840, 0, 735, 300}, false},
    {L"Label1", ControlKind::Label, IDC_LABEL1, L"基本名", {2940, 50, 615, 200}, false},
}};

// Submenus hold their items in table order.
inline constexpr std::array<MenuItemLayout, 6> kForm1Menu{{
    {L"mfile", L"", L"ファイル", 0},
    {L"mend", L"mfile", L"終了", IDM_MEND},
    {L"mhelp", L"", L"ヘルプ", 0},
    {L"mver", L"mhelp", L"バージョン情報", IDM_MVER},
    {L"yy", L"mhelp", kMenuSeparatorCaption, 0},
    {L"mfil", L"mhelp", L"Numoraについて", IDM_MFIL},
}};

// The about window; its image first (it has no tab position), then the rest in tab order.
inline constexpr WindowLayout kForm2Window{L"Numora   バージョン情報", 4680, 3195};
// The label drawn in pure black rather than the system's text colour.
inline constexpr std::wstring_view kForm2BlackLabel = L"lblDisclaimer";

inline constexpr std::array<ControlLayout, 6> kForm2Controls{{
    {L"Image1", ControlKind::Image, IDC_FORM2_IMAGE1, L"", {120, 240, 510, 510}, false},
    {L"Label1",
     ControlKind::Label,
     IDC_FORM2_LABEL1,
     L"製品名       Numora",
     {960, 360, 1935, 225},
     false},
    {L"Command1",
     ControlKind::PushButton,
     IDC_FORM2_COMMAND1,
     L"OK",
     {1680, 2400, 1215, 375},
     true},
    {L"lblVersion",
     ControlKind::Label,
     IDC_FORM2_LBLVERSION,
     L"ﾊﾞｰｼﾞｮﾝ      1.00 20010503",
     {960, 840, 2445, 225},
     false},
    {L"lblDisclaimer",
     ControlKind::Label,
     IDC_FORM2_LBLDISCLAIMER,
     L"(C) 2001 Numora",
     {960, 1320, 1710, 225},
     false},
    {L"Label2",
     ControlKind::Label,
     IDC_FORM2_LABEL2,
     L"https://numora.example/",
     {360, 1800, 3975, 225},
     false},
}};

}  // namespace numora
