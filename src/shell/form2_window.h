// The about window: built afresh from its layout every time, modeless, and
// independent of every other window.
#pragma once

#include <windows.h>

#include <array>

#include "shell/form_handlers.h"
#include "shell/layouts.h"
#include "shell/win32.h"
#include "shell/window_base.h"

namespace numora {

// The program icon for the about window's image: the 32x32 image, scaled to `dpi`.
UniqueIcon LoadProgramImage(int dpi);

class Form2 : public WindowBase<Form2>, public AboutWindowView {
  public:
    explicit Form2(WindowLifetime& lifetime) : lifetime_(lifetime) {}
    ~Form2();

    // Creates the window hidden, owned by `owner`, at the system's default place.
    void Create(HWND owner);

    // AboutWindowView: the unload runs Form_Unload and then destroys this window only.
    void Unload() override;

  private:
    friend class WindowBase<Form2>;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    LRESULT OnCtlColorStatic(HDC dc, HWND label);
    void OnActivate(WPARAM wParam);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void FitClientArea();
    void ShowImage();

    WindowLifetime& lifetime_;
    int dpi_ = 96;
    UniqueFont font_;
    UniqueIcon image_;
    std::array<HWND, kForm2Controls.size()> controls_{};
    HWND image1_ = nullptr;
    HWND command1_ = nullptr;
    HWND blackLabel_ = nullptr;
};

}  // namespace numora
