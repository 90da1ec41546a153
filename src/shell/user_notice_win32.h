// The beep and the information box, owned by the main window.
#pragma once

#include <windows.h>

#include "browse/controls.h"

namespace numora {

inline constexpr const wchar_t* kNoticeTitle = L"Numora Kelpo";

class UserNoticeWin32 : public UserNotice {
  public:
    explicit UserNoticeWin32(HWND owner) : owner_(owner) {}
    void BeepAndShowInformation(const std::wstring& text) override;

  private:
    HWND owner_;
};

}  // namespace numora
