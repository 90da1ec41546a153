// The text box, button and combo box views over real controls.
#pragma once

#include <windows.h>

#include <string>

#include "browse/controls.h"

namespace numora {

// The whole text of any window. Throws when the window is gone.
std::wstring ReadWindowText(HWND window);

// A text box's text or a button's caption.
class TextControlWin32 : public TextControl {
  public:
    explicit TextControlWin32(HWND control) : control_(control) {}
    std::wstring Text() const override;
    void SetText(const std::wstring& text) override;

  private:
    HWND control_;
};

// An editable combo box with an unsorted list.
class ComboControlWin32 : public ComboControl {
  public:
    explicit ComboControlWin32(HWND combo) : combo_(combo) {}
    std::wstring Text() const override;
    void SetText(const std::wstring& text) override;
    int ListCount() const override;
    std::wstring List(int index) const override;
    void AddItem(const std::wstring& item) override;

  private:
    HWND combo_;
};

}  // namespace numora
