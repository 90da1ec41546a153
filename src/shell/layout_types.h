// A window's controls as data: creation walks the table and tests read the same table.
#pragma once

#include <string_view>

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

// Places and sizes in twips (1/1440 inch), from the top-left corner of the client area.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return left + width; }
    constexpr int Bottom() const { return top + height; }
};

inline constexpr int kNotInTabOrder = -1;

struct ControlLayout {
    std::wstring_view name;  // the layout name the handlers use ("Text1")
    ControlKind kind;
    int id;
    std::wstring_view caption;
    TwipsRect rect;
    int tabIndex;  // kNotInTabOrder for a control that has no tab position
    bool tabStop;  // whether the Tab key visits it
};

struct WindowLayout {
    std::wstring_view name;
    std::wstring_view caption;
    int clientWidthTwips;
    int clientHeightTwips;
};

// Labels and images never take the keyboard focus.
constexpr bool CanTakeFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Image;
}

}  // namespace numora
