// The handlers' views over the standard controls: text boxes, buttons, combo
// boxes (and when their notifications amount to a choice), and the one tooltip
// control of a window. Only these send the controls their messages.
#pragma once

#include <windows.h>

#include <string>

#include "browse/views.h"

namespace numora {

// The whole text of any window. Throws when the window is gone.
std::wstring ReadWindowText(HWND window);

// Entry `index` of a list box or a combo box's list, read with its pair of
// messages (LB_GETTEXTLEN and LB_GETTEXT, or the CB_ ones). Throws when there is none.
std::wstring ReadItemText(HWND control, UINT lengthMessage, UINT textMessage, int index);

// A text box's text or a button's caption.
class TextControlWin32 : public TextControl {
  public:
    explicit TextControlWin32(HWND control) : control_(control) {}
    std::wstring Text() const override;
    void SetText(const std::wstring& text) override;

  private:
    HWND control_;
};

// How an open list's entries count: the window system reports one choice as
// several notifications, in an order that differs between the mouse, the
// keyboard and the list being open or closed.
enum class DroppedListPolicy {
    ChooseWhileBrowsing,  // every entry reached in the open list is chosen at once
    ChooseOnClose,        // the open list is only browsed; the entry counts when it closes
};

// A combo box with an unsorted list.
class ComboControlWin32 : public ComboControl {
  public:
    ComboControlWin32(HWND combo, DroppedListPolicy policy) : combo_(combo), policy_(policy) {}
    std::wstring Text() const override;
    void SetText(const std::wstring& text) override;
    int ListCount() const override;
    std::wstring List(int index) const override;
    void AddItem(const std::wstring& item) override;

    void Clear();
    void ReplaceItem(int index, const std::wstring& item);
    int Selection() const;   // CB_ERR when none
    void Select(int index);  // CB_ERR selects none
    bool Dropped() const;

    // Takes one notification: true when the notifications of the user's action
    // so far amount to choosing an entry, at most once an action. An editable
    // box then already shows the chosen entry as its text.
    bool TakeChoice(WORD code);
    // The parent's answer to WM_NUMORA_COMBO_ACTION_HANDLED, which the box posts
    // behind the notifications of one action.
    void OnActionHandled() { choiceMade_ = false; }

  private:
    HWND combo_;
    DroppedListPolicy policy_;
    bool choiceMade_ = false;
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
