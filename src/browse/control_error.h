// A failed control operation, carried to the handler that armed a failure path.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace numora {

class ControlError : public std::runtime_error {
  public:
    ControlError(const std::string& what, std::uint32_t systemError)
        : std::runtime_error(what), systemError_(systemError) {}
    std::uint32_t SystemError() const { return systemError_; }

  private:
    std::uint32_t systemError_;
};

}  // namespace numora
