// Which list notifications of a combo box amount to the user choosing an entry.
// The window system reports one choice as several notifications, in an order that
// differs between the mouse, the keyboard and the list being open or closed; this
// turns them into at most one choice per user action.
#pragma once

namespace numora {

enum class DroppedListPolicy {
    ChooseWhileBrowsing,  // every entry reached in the open list is chosen at once
    ChooseOnClose,        // the open list is only browsed; the entry counts when it closes
};

class ComboChoice {
  public:
    explicit ComboChoice(DroppedListPolicy policy) : policy_(policy) {}

    // CBN_SELENDOK: the list closed on an entry, or a closed list's entry changed.
    bool OnSelEndOk(bool hasSelection) { return Choose(hasSelection); }

    // CBN_SELCHANGE.
    bool OnSelChange(bool listDropped, bool hasSelection) {
        if (listDropped && policy_ == DroppedListPolicy::ChooseOnClose) {
            return false;
        }
        return Choose(hasSelection);
    }

    // Called once the user action that produced a choice has been fully handled.
    void OnActionHandled() { choiceMade_ = false; }

  private:
    bool Choose(bool hasSelection) {
        if (!hasSelection || choiceMade_) {
            return false;
        }
        choiceMade_ = true;
        return true;
    }

    DroppedListPolicy policy_;
    bool choiceMade_ = false;
};

}  // namespace numora
