// What every driver call throws when the program does not answer as a user
// would see it answer: the text says what was awaited.
#pragma once

#include <stdexcept>
#include <string>

namespace numora::e2e {

class DriverError : public std::runtime_error {
  public:
    explicit DriverError(const std::string& what) : std::runtime_error(what) {}
};

// UTF-8 for messages; gtest prints narrow text.
std::string Narrow(const std::wstring& text);
std::wstring Widen(const std::string& utf8);

}  // namespace numora::e2e
