#include "shell/single_instance.h"

#include "win32/failure.h"

namespace numora {

bool InstanceRuleWin32::EarlierInstanceRunning() {
    if (!mutex_) {
        mutex_.reset(CreateMutexW(nullptr, FALSE, L"Local\\Numora.SingleInstance"));
        if (!mutex_) {
            ThrowLastError("The single-instance check failed.");
        }
        earlier_ = GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return earlier_;
}

}  // namespace numora
