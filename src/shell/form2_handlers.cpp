#include "shell/form2_handlers.h"

namespace numora {

void Command1_Click(AboutWindowView& form) {
    form.Unload();
}

void Form_Unload(int& cancel) {
    static_cast<void>(cancel);
}

}  // namespace numora
