#include "driver/poll.h"

#include <windows.h>

namespace numora::e2e {

bool PollUntil(const std::function<bool()>& ready, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (ready()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return ready();
        }
        Sleep(20);
    }
}

}  // namespace numora::e2e
