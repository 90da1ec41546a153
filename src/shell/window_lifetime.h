// The program runs while any of its windows is open; each window reports its
// own opening and closing.
#pragma once

namespace numora {

class WindowLifetime {
  public:
    virtual ~WindowLifetime() = default;
    virtual void WindowOpened() = 0;
    virtual void WindowClosed() = 0;
};

}  // namespace numora
