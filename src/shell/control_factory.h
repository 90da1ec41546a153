// Makes a window and its controls as their layout describes them: the
// window's style, menu and outer rectangle; each control, and its place again
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

// The window style of a frame.
DWORD WindowStyle(WindowFrame frame);

// The menu bar of the items; none for none. Throws when the system refuses it.
UniqueMenu CreateLayoutMenu(std::span<const MenuItemLayout> items);

// The outer rectangle the window is made in at `dpi`: its client area at its
// place on the screen (or at 0,0 for the system to place), of its layout's size.
RECT OuterRectFor(const WindowDesign& window, int dpi);

// Creates the control as a visible child of `parent`, placed at `dpi` and using
// `font`. The parent owns it. Throws when the window system refuses it. Controls
// created with one `fit` must share font and DPI.
HWND CreateLayoutControl(HWND parent, int id, const ControlDesign& design, int dpi, HFONT font,
                         ComboFieldFit* fit = nullptr);

// Moves and sizes the control to its layout rectangle at `dpi`; a combo box's
// closed height is the layout's.
void PlaceLayoutControl(HWND control, const ControlDesign& design, int dpi,
                        ComboFieldFit* fit = nullptr);

}  // namespace numora
