// Upper and lower case of a text, by the platform's own rules.
#pragma once

#include <string>

namespace numora {

class LetterCase {
  public:
    virtual ~LetterCase() = default;
    virtual std::wstring Upper(const std::wstring& text) const = 0;
    virtual std::wstring Lower(const std::wstring& text) const = 0;
};

}  // namespace numora
