// Whether an earlier instance of the program is already running.
#pragma once

namespace numora {

class InstanceRule {
  public:
    virtual ~InstanceRule() = default;
    virtual bool EarlierInstanceRunning() = 0;
};

}  // namespace numora
