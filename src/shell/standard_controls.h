// The handlers' views over the standard controls: text boxes, buttons, combo
// boxes (and when their notifications amount to a choice), and the one tooltip
// control of a window.
#pragma once

#include <windows.h>

#include <string>

#include "browse/controls.h"
#include "shell/combo_choice.h"

namespace numora {

// The whole text of any window. Throws when the window is gone.
std::wstring ReadWindowText(HWND window);

// Entry `index` of a list box or a combo box's list, read with its pair of
// messages (LB_GETTEXTLEN and LB_GETTEXT, or the CB_ ones). Throws when there is none.
std::wstring ReadItemText(HWND control, UINT lengthMessage, UINT textMessage, int index);

// Posted to a combo box's parent behind the notifications of one user action
// (wParam: the combo box's id); the parent hands it to that box's ComboChoice.
inline constexpr UINT kComboActionHandled = WM_APP + 2;

// Takes one notification of `combo` into `choice`: true when the notifications
// so far amount to the user choosing an entry.
bool TakeComboNotification(HWND combo, WORD code, ComboChoice& choice);

// A text box's text or a button's caption.
class TextControlWin32 : public TextControl {
  public:
    explicit TextControlWin32(HWND control) : control_(control) {}
    std::wstring Text() const override;
    void SetText(const std::wstring& text) override;

  private:
    HWND control_;
};

// A combo box with an unsorted list.
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

// One tooltip control for a window, with a tip per control. The window's message
// loop relays the mouse messages of the tools: a subclassed tool would pay a
// window-property lookup on every message it gets, start-up's fills included.
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

  private:
    void SetToolText(HWND tool, const std::wstring& text);

    HWND owner_;
    HWND tips_;
};

}  // namespace numora
