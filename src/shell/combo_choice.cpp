#include "shell/combo_choice.h"

namespace numora {

bool ComboChoice::OnSelEndOk(bool hasSelection) {
    if (!hasSelection || choiceMade_) {
        return false;
    }
    choiceMade_ = true;
    return true;
}

bool ComboChoice::OnSelChange(bool listDropped, bool hasSelection) {
    if (!hasSelection || choiceMade_) {
        return false;
    }
    if (listDropped && policy_ == DroppedListPolicy::ChooseOnClose) {
        return false;
    }
    choiceMade_ = true;
    return true;
}

}  // namespace numora
