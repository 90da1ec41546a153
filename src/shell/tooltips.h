// One tooltip control for a window, with a tip per control. The window's message
// loop relays the mouse messages of the tools: a subclassed tool would pay a
// window-property lookup on every message it gets, start-up's fills included.
#pragma once

#include <windows.h>

#include <string>

namespace numora {

class ToolTips {
  public:
    // The tooltip control is owned by `owner` and goes when the owner is destroyed.
    explicit ToolTips(HWND owner);
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    // Sets or replaces the tip of `control`; for a combo box its edit field shows it too.
    void SetText(HWND control, const std::wstring& text);

    // Hands a mouse message bound for one of the tools to the tooltip control.
    void Relay(const MSG& message) const;

    HWND Handle() const { return tips_; }

  private:
    void SetToolText(HWND tool, const std::wstring& text);

    HWND owner_;
    HWND tips_;
};

}  // namespace numora
