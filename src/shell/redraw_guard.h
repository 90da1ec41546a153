// Drawing of a control switched off while it is refilled, and back on at every way out.
#pragma once

#include <windows.h>

namespace numora {

class RedrawGuard {
  public:
    explicit RedrawGuard(HWND control) : control_(control) {
        SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawGuard() {
        SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(control_, nullptr, TRUE);
    }
    RedrawGuard(const RedrawGuard&) = delete;
    RedrawGuard& operator=(const RedrawGuard&) = delete;

  private:
    HWND control_;
};

}  // namespace numora
