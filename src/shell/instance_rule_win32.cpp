#include "shell/instance_rule_win32.h"

#include "browse/control_error.h"

namespace numora {

bool InstanceRuleWin32::EarlierInstanceRunning() {
    if (!mutex_) {
        mutex_.reset(CreateMutexW(nullptr, FALSE, mutexName_));
        if (!mutex_) {
            throw ControlError("The single-instance check failed.", GetLastError());
        }
        earlier_ = GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return earlier_;
}

}  // namespace numora
