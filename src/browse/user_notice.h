// The program's one way of telling the user something.
#pragma once

#include <string>

namespace numora {

// A beep, then a modal information box (OK only) titled "Numora Kelpo".
class UserNotice {
  public:
    virtual ~UserNotice() = default;
    virtual void BeepAndShowInformation(const std::wstring& text) = 0;
};

}  // namespace numora
