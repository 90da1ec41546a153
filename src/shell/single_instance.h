// One running instance per session, recognised by a named mutex.
#pragma once

#include "shell/form_views.h"
#include "win32/handles.h"

namespace numora {

class InstanceRuleWin32 : public InstanceRule {
  public:
    // Creates the mutex on the first call and holds it for the object's lifetime.
    bool EarlierInstanceRunning() override;

  private:
    UniqueKernelHandle mutex_;
    bool earlier_ = false;
};

}  // namespace numora
