// Letter case by the system's own case tables (full-width letters too).
#pragma once

#include "browse/views.h"

namespace numora {

class LetterCaseWin32 : public LetterCase {
  public:
    std::wstring Upper(const std::wstring& text) const override;
    std::wstring Lower(const std::wstring& text) const override;
};

}  // namespace numora
