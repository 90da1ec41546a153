// Builds a window's controls from its layout table, and lays them out again
// when the window's DPI changes.
#pragma once

#include <windows.h>

#include <optional>
#include <span>

#include "shell/layouts.h"
#include "win32/handles.h"

namespace numora {

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

// Moves and sizes the control to its layout rectangle at `dpi`; a combo box's
// closed height is the layout's.
void PlaceLayoutControl(HWND control, const ControlLayout& layout, int dpi,
                        ComboFieldFit* fit = nullptr);

// Moves the window to the rectangle the system suggests for its new DPI, then
// gives its controls a new font and their places at that DPI.
void RelayoutForDpi(HWND window, const RECT& suggested, int dpi, std::span<const HWND> controls,
                    std::span<const ControlLayout> layouts, UniqueFont& font);

}  // namespace numora
