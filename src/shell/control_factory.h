// Creates and places a window's controls from its layout table.
#pragma once

#include <windows.h>

#include <optional>

#include "shell/layout_types.h"

namespace numora {

// The window class and styles of each kind of control.
struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};
ControlClass ClassFor(ControlKind kind);

// How many entries an open combo box shows before it scrolls.
inline constexpr int kComboDropRows = 12;

// A closed combo box is as high as its selection field plus a border that is the
// same for every combo box of one font and DPI. Each setting of the field lays
// the whole box out again, which under Wine moves its drop-down list window as
// well; once one box has been fitted, the next is fitted in one setting.
class ComboFieldFit {
  public:
    // The field height that should give a closed box `closedHeight` high.
    std::optional<int> FieldFor(int closedHeight) const;
    // A field of `field` gave a closed box `closedHeight` high.
    void Learn(int field, int closedHeight) { border_ = closedHeight - field; }

  private:
    std::optional<int> border_;
};

// Creates the control as a visible child of `parent`, placed at `dpi` and using
// `font`. The parent owns it. Throws when the window system refuses it. Controls
// created with one `fit` must share font and DPI.
HWND CreateLayoutControl(HWND parent, const ControlLayout& layout, int dpi, HFONT font,
                         ComboFieldFit* fit = nullptr);

// Moves and sizes the control to its layout rectangle at `dpi`.
void PlaceLayoutControl(HWND control, const ControlLayout& layout, int dpi,
                        ComboFieldFit* fit = nullptr);

}  // namespace numora
