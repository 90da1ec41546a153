// The handlers' views over the standard controls: text boxes, buttons, combo
// boxes (and when their notifications amount to a choice), and the one tooltip
// control of a window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

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

// A combo box with an unsorted list.
class ComboControlWin32 : public ComboControl {
  public:
    explicit ComboControlWin32(HWND combo) : combo_(combo) {}
    std::wstring Text() const override;
    void SetText(const std::wstring& text) override;
    int ListCount() const override;
    std::wstring List(int index) const override;
    void AddItem(const std::wstring& item) override;

    void Clear();
    void ReplaceItem(int index, const std::wstring& item);
    int Selection() const;   // CB_ERR when none
    void Select(int index);  // CB_ERR selects none
    HWND Handle() const { return combo_; }

  private:
    HWND combo_;
};

// The one rule by which a combo box's notifications become the user's choice.
// The window system reports one choice as several notifications (the selection
// changed, the list closed on an entry), in an order that differs between the
// mouse, the keys and the list being open or closed, and a box puts the entry
// into its text only after them. So the first that amounts to a choice posts
// NUMORA_CBN_CHOSEN to the box's parent, and the others of the same user action
// find it posted: the choice is handled once, when the action is over, with the
// entry in the box's text. (Handled at once, a handler's message box would
// serve the rest of the action's notifications as a second choice.)
class OneChoicePerAction {
  public:
    // What browsing the open list with the keys does.
    enum class OpenList { ChoosesEachEntry, OnlyBrowses };

    // True for the posted NUMORA_CBN_CHOSEN, once an action; any other
    // notification of `combo` that amounts to a choice posts it.
    bool Chosen(HWND combo, WORD code, OpenList openList);

  private:
    std::vector<int> posted_;  // the ids of the boxes whose choice waits to be served
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
