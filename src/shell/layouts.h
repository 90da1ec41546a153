// Everything the user sees of the program's two windows, as data: each window's
// own description (class, frame, caption, menu, client size, where it is
// shown), then its controls in creation order, which is their window order:
// each label comes right before the control it names, so that screen readers
// name that control by it, and the Tab key visits the rest in this order. Then
// the texts the shell shows besides. Places and sizes are in twips (1/1440
// inch) from the client area's top-left corner.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "numora_version.h"

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
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    constexpr int Right() const { return Left + Width; }
    constexpr int Bottom() const { return Top + Height; }
};

// What a control is and where.
struct ControlDesign {
    ControlKind Kind;
    std::wstring_view Caption;
    TwipsRect Rect;
    bool TabStop;  // whether the Tab key visits it
};

// A control of the window whose names are ControlName: an enumeration of the
// controls in window order, each valued its row, ending with Count.
template <typename ControlName>
struct ControlLayout {
    ControlName Name;
    ControlDesign Design;
};

// A control's id within its window, from its name.
template <typename ControlName>
constexpr int ControlId(ControlName name) {
    return 1001 + static_cast<int>(name);
}

// An item of the menu bar (Depth 0) or of the submenu of the item above it
// (Depth 1); a separator has no caption. Command is what the window is sent
// when the item is chosen.
struct MenuItemLayout {
    int Depth;
    std::wstring_view Caption;
    int Command;
};

// Every window of the program has a fixed dialog frame, with the close box and
// the system menu but no minimize or maximize button, and no taskbar entry.
enum class WindowFrame { FixedDialog };

struct ScreenTwips {
    int Left = 0;
    int Top = 0;
};

// What a window is, where it is shown and how large.
struct WindowDesign {
    const wchar_t* ClassName;
    std::wstring_view Caption;
    WindowFrame Frame;
    std::span<const MenuItemLayout> Menu;
    int ClientWidthTwips;
    int ClientHeightTwips;
    // The client area's top-left corner on the screen; none: where the system
    // places a new window.
    std::optional<ScreenTwips> ClientOrigin;
    // The outer width it is made with; 0: as wide as the client area needs.
    int OuterWidthTwips;
};

template <typename ControlName>
struct WindowLayout {
    WindowDesign Window;
    std::array<ControlLayout<ControlName>, static_cast<std::size_t>(ControlName::Count)> Controls;
};

// A name missing from a window's table, or out of its order, does not compile.
template <typename ControlName>
constexpr bool EachRowHoldsItsName(const WindowLayout<ControlName>& window) {
    for (std::size_t row = 0; row < window.Controls.size(); ++row) {
        if (window.Controls[row].Name != static_cast<ControlName>(row)) {
            return false;
        }
    }
    return true;
}

// The main window's menu commands.
inline constexpr int kMendCommand = 3001;  // 終了
inline constexpr int kMverCommand = 3002;  // バージョン情報
inline constexpr int kMfilCommand = 3003;  // Numoraについて, which does nothing

// The main window. Made as narrow as its load makes it (the counter box then
// lies out of sight), with its client area at a fixed place on the screen.
enum class Form1Control {
    Drive1,
    Dir1,
    Label1,  // 基本名
    Text1,
    Combo1,    // the list's filter; the text the new names' extension
    Command2,  // A or a: the extension text's case
    Combo2,
    Command1,  // 連番化
    File1,
    Text2,  // the run's counter, out of sight
    Count
};

inline constexpr std::array<MenuItemLayout, 6> kForm1Menu{{
    {0, L"ファイル", 0},
    {1, L"終了", kMendCommand},
    {0, L"ヘルプ", 0},
    {1, L"バージョン情報", kMverCommand},
    {1, L"", 0},
    {1, L"Numoraについて", kMfilCommand},
}};

inline constexpr WindowLayout<Form1Control> kForm1{
    {L"NumoraForm1", L"Numora", WindowFrame::FixedDialog, kForm1Menu, 7740, 7785,
     ScreenTwips{150, 435}, 5670},
    {{
        {Form1Control::Drive1, {ControlKind::DriveList, L"", {10, 0, 2775, 300}, true}},
        {Form1Control::Dir1, {ControlKind::FolderList, L"", {10, 330, 2775, 7440}, true}},
        {Form1Control::Label1, {ControlKind::Label, L"基本名", {2940, 50, 615, 200}, false}},
        {Form1Control::Text1, {ControlKind::TextBox, L"", {3610, 0, 1935, 300}, true}},
        {Form1Control::Combo1, {ControlKind::ComboBox, L"", {3610, 350, 855, 300}, true}},
        {Form1Control::Command2, {ControlKind::PushButton, L"A", {4500, 350, 320, 300}, true}},
        {Form1Control::Combo2, {ControlKind::ComboBox, L"", {4840, 350, 700, 300}, true}},
        {Form1Control::Command1, {ControlKind::PushButton, L"連番化", {2830, 350, 750, 300}, true}},
        {Form1Control::File1, {ControlKind::FileList, L"", {2800, 675, 2775, 7110}, true}},
        // Out of sight, so the Tab key must not carry the focus there.
        {Form1Control::Text2, {ControlKind::TextBox, L"", {6840, 0, 735, 300}, false}},
    }},
};
static_assert(EachRowHoldsItsName(kForm1));

// The about window: its image first (it has no tab position), then the rest
// in tab order.
enum class Form2Control { Image1, Label1, Command1, lblVersion, lblDisclaimer, Label2, Count };

inline constexpr WindowLayout<Form2Control> kForm2{
    {L"NumoraForm2",
     L"Numora   バージョン情報",
     WindowFrame::FixedDialog,
     {},
     4680,
     3195,
     std::nullopt,
     0},
    {{
        {Form2Control::Image1, {ControlKind::Image, L"", {120, 240, 510, 510}, false}},
        {Form2Control::Label1,
         {ControlKind::Label, L"製品名       Numora", {960, 360, 1935, 225}, false}},
        {Form2Control::Command1, {ControlKind::PushButton, L"OK", {1680, 2400, 1215, 375}, true}},
        {Form2Control::lblVersion,
         {ControlKind::Label,
          L"ﾊﾞｰｼﾞｮﾝ      " NUMORA_VERSION_WIDE L" 20010503",
          {960, 840, 2445, 225},
          false}},
        {Form2Control::lblDisclaimer,
         {ControlKind::Label, L"(C) 2001 Numora", {960, 1320, 1710, 225}, false}},
        {Form2Control::Label2,
         {ControlKind::Label, L"https://numora.example/", {360, 1800, 3975, 225}, false}},
    }},
};
static_assert(EachRowHoldsItsName(kForm2));

// The tips the main window's load sets, in the order it sets them.
struct ToolTipText {
    Form1Control Control;
    std::wstring_view Text;
};
inline constexpr std::array<ToolTipText, 5> kForm1ToolTips{{
    {Form1Control::Text1, L"基本となるファイル名を入力してね"},
    {Form1Control::Combo1, L"拡張子フィルタ\u3000直接入力も可能"},
    {Form1Control::Combo2, L"使用桁数を設定します"},
    {Form1Control::Command1, L"連番化を実行"},
    {Form1Control::Command2, L"拡張子の 大文字、小文字を切り替えます"},
}};

// The digit box's entries, in list order: entry k asks for k + 1 digits.
inline constexpr std::array<std::wstring_view, 6> kDigitChoiceEntries = {L"１桁", L"２桁", L"３桁",
                                                                         L"４桁", L"５桁", L"６桁"};

// The title of every message the program shows, and what a press of 連番化
// over an empty file list shows.
inline constexpr const wchar_t* kNoticeTitle = L"Numora Kelpo";
inline constexpr const wchar_t* kNoFilesText = L"ファイルがありません。";

}  // namespace numora
