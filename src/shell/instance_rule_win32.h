// One running instance per session, recognised by a named mutex.
#pragma once

#include "shell/form1_handlers.h"
#include "shell/win32_handles.h"

namespace numora {

inline constexpr const wchar_t* kSingleInstanceMutexName = L"Local\\Numora.SingleInstance";

class InstanceRuleWin32 : public InstanceRule {
  public:
    explicit InstanceRuleWin32(const wchar_t* mutexName = kSingleInstanceMutexName)
        : mutexName_(mutexName) {}
    // Creates the mutex on the first call and holds it for the object's lifetime.
    bool EarlierInstanceRunning() override;

  private:
    const wchar_t* mutexName_;
    UniqueKernelHandle mutex_;
    bool earlier_ = false;
};

}  // namespace numora
