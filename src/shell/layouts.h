// The two windows as data: each window's own properties, then its controls in
// tab order, which is also their creation order and so their z-order. Places
// and sizes are in twips (1/1440 inch) from the client area's top-left corner.
// Code reaches a control by its typed name, whose value is its control id.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
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

// The layout of one control of a window's table, found by its typed name: a name
// missing from the table does not compile wherever the name is a constant.
template <typename Control, std::size_t N>
constexpr const ControlLayout& LayoutOf(const std::array<ControlLayout, N>& table,
                                        Control control) {
    for (const ControlLayout& layout : table) {
        if (layout.id == static_cast<int>(control)) {
            return layout;
        }
    }
    throw std::logic_error("The window's layout has no such control.");
}

// The main window: first shown with its client area's top-left corner at a
// fixed place on the screen, then narrowed by its load.
inline constexpr WindowLayout kForm1Window{L"Numora", 7740, 7785};
inline constexpr int kForm1ClientScreenLeftTwips = 150;
inline constexpr int kForm1ClientScreenTopTwips = 435;
inline constexpr int kForm1LoadedOuterWidthTwips = 5670;

enum class Form1Control {
    Drive1 = IDC_DRIVE1,
    Dir1 = IDC_DIR1,
    Text1 = IDC_TEXT1,
    Combo1 = IDC_COMBO1,
    Command2 = IDC_COMMAND2,
    Combo2 = IDC_COMBO2,
    Command1 = IDC_COMMAND1,
    File1 = IDC_FILE1,
    Text2 = IDC_TEXT2,
    Label1 = IDC_LABEL1,
};

inline constexpr std::array<ControlLayout, 10> kForm1Controls{{
    {ControlKind::DriveList, IDC_DRIVE1, L"", {10, 0, 2775, 300}, true},
    {ControlKind::FolderList, IDC_DIR1, L"", {10, 330, 2775, 7440}, true},
    {ControlKind::TextBox, IDC_TEXT1, L"", {3610, 0, 1935, 300}, true},
    {ControlKind::ComboBox, IDC_COMBO1, L"", {3610, 350, 855, 300}, true},
    {ControlKind::PushButton, IDC_COMMAND2, L"A", {4500, 350, 320, 300}, true},
    {ControlKind::ComboBox, IDC_COMBO2, L"", {4840, 350, 700, 300}, true},
    {ControlKind::PushButton, IDC_COMMAND1, L"連番化", {2830, 350, 750, 300}, true},
    {ControlKind::FileList, IDC_FILE1, L"", {2800, 675, 2775, 7110}, true},
    // Out of sight, so the Tab key must not carry the focus there.
    {ControlKind::TextBox, IDC_TEXT2, L"", {6840, 0, 735, 300}, false},
    {ControlKind::Label, IDC_LABEL1, L"基本名", {2940, 50, 615, 200}, false},
}};

// The about window, placed by the window system; its image first (it has no
// tab position), then the rest in tab order.
inline constexpr WindowLayout kForm2Window{L"Numora   バージョン情報", 4680, 3195};

enum class Form2Control {
    Image1 = IDC_FORM2_IMAGE1,
    Label1 = IDC_FORM2_LABEL1,
    Command1 = IDC_FORM2_COMMAND1,
    lblVersion = IDC_FORM2_LBLVERSION,
    lblDisclaimer = IDC_FORM2_LBLDISCLAIMER,
    Label2 = IDC_FORM2_LABEL2,
};

inline constexpr std::array<ControlLayout, 6> kForm2Controls{{
    {ControlKind::Image, IDC_FORM2_IMAGE1, L"", {120, 240, 510, 510}, false},
    {ControlKind::Label, IDC_FORM2_LABEL1, L"製品名       Numora", {960, 360, 1935, 225}, false},
    {ControlKind::PushButton, IDC_FORM2_COMMAND1, L"OK", {1680, 2400, 1215, 375}, true},
    {ControlKind::Label,
     IDC_FORM2_LBLVERSION,
     L"ﾊﾞｰｼﾞｮﾝ      1.00 20010503",
     {960, 840, 2445, 225},
     false},
    {ControlKind::Label,
     IDC_FORM2_LBLDISCLAIMER,
     L"(C) 2001 Numora",
     {960, 1320, 1710, 225},
     false},
    {ControlKind::Label,
     IDC_FORM2_LABEL2,
     L"https://numora.example/",
     {360, 1800, 3975, 225},
     false},
}};

}  // namespace numora
