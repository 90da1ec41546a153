// The two windows as data: each window's own properties, then its controls in
// creation order, which is their window order: each label comes right before
// the control it names, so that screen readers name that control by it, and
// the Tab key visits the rest in this order. Places and sizes are in twips
// (1/1440 inch) from the client area's top-left corner. Code reaches a control
// by its typed name, whose value is its control id.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

#include "numora_version.h"
#include "shell/ids.h"

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

// The row of a window's table that holds the control of this typed name: a name
// missing from the table does not compile wherever the name is a constant.
template <typename ControlName, std::size_t N>
constexpr std::size_t RowOf(const std::array<ControlLayout, N>& table, ControlName name) {
    for (std::size_t row = 0; row < N; ++row) {
        if (table[row].id == static_cast<int>(name)) {
            return row;
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
    Drive1 = IDC_DRIVE1_DRIVES,
    Dir1 = IDC_DIR1_FOLDERS,
    Label1 = IDC_LABEL1_NAMES_TEXT1,  // 基本名
    Text1 = IDC_TEXT1_BASE_NAME,
    Combo1 = IDC_COMBO1_EXTENSION,  // the list's filter, the text the new names' extension
    Command2 = IDC_COMMAND2_CASE,   // A or a: the extension text's case
    Combo2 = IDC_COMBO2_DIGITS,
    Command1 = IDC_COMMAND1_RUN,  // 連番化
    File1 = IDC_FILE1_FILES,
    Text2 = IDC_TEXT2_COUNTER,  // the run's counter, out of sight
};

inline constexpr std::array<ControlLayout, 10> kForm1Controls{{
    {ControlKind::DriveList, IDC_DRIVE1_DRIVES, L"", {10, 0, 2775, 300}, true},
    {ControlKind::FolderList, IDC_DIR1_FOLDERS, L"", {10, 330, 2775, 7440}, true},
    {ControlKind::Label, IDC_LABEL1_NAMES_TEXT1, L"基本名", {2940, 50, 615, 200}, false},
    {ControlKind::TextBox, IDC_TEXT1_BASE_NAME, L"", {3610, 0, 1935, 300}, true},
    {ControlKind::ComboBox, IDC_COMBO1_EXTENSION, L"", {3610, 350, 855, 300}, true},
    {ControlKind::PushButton, IDC_COMMAND2_CASE, L"A", {4500, 350, 320, 300}, true},
    {ControlKind::ComboBox, IDC_COMBO2_DIGITS, L"", {4840, 350, 700, 300}, true},
    {ControlKind::PushButton, IDC_COMMAND1_RUN, L"連番化", {2830, 350, 750, 300}, true},
    {ControlKind::FileList, IDC_FILE1_FILES, L"", {2800, 675, 2775, 7110}, true},
    // Out of sight, so the Tab key must not carry the focus there.
    {ControlKind::TextBox, IDC_TEXT2_COUNTER, L"", {6840, 0, 735, 300}, false},
}};

// The about window, placed by the window system; its image first (it has no
// tab position), then the rest in tab order.
inline constexpr WindowLayout kForm2Window{L"Numora   バージョン情報", 4680, 3195};

// The layout's names.
enum class Form2Control {
    Image1 = IDC_FORM2_IMAGE1_ICON,
    Label1 = IDC_FORM2_LABEL1_PRODUCT,
    Command1 = IDC_FORM2_COMMAND1_OK,
    lblVersion = IDC_FORM2_LBLVERSION_VERSION,
    lblDisclaimer = IDC_FORM2_LBLDISCLAIMER_RIGHTS,
    Label2 = IDC_FORM2_LABEL2_WEB_ADDRESS,
};

inline constexpr std::array<ControlLayout, 6> kForm2Controls{{
    {ControlKind::Image, IDC_FORM2_IMAGE1_ICON, L"", {120, 240, 510, 510}, false},
    {ControlKind::Label,
     IDC_FORM2_LABEL1_PRODUCT,
     L"製品名       Numora",
     {960, 360, 1935, 225},
     false},
    {ControlKind::PushButton, IDC_FORM2_COMMAND1_OK, L"OK", {1680, 2400, 1215, 375}, true},
    {ControlKind::Label,
     IDC_FORM2_LBLVERSION_VERSION,
     L"ﾊﾞｰｼﾞｮﾝ      " NUMORA_VERSION_WIDE L" 20010503",
     {960, 840, 2445, 225},
     false},
    {ControlKind::Label,
     IDC_FORM2_LBLDISCLAIMER_RIGHTS,
     L"(C) 2001 Numora",
     {960, 1320, 1710, 225},
     false},
    {ControlKind::Label,
     IDC_FORM2_LABEL2_WEB_ADDRESS,
     L"https://numora.example/",
     {360, 1800, 3975, 225},
     false},
}};

}  // namespace numora
