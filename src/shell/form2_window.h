// The about window: built afresh from its layout every time, modeless, and
// independent of every other window.
#pragma once

#include <windows.h>

#include <array>

#include "shell/form_handlers.h"
#include "shell/form_views.h"
#include "shell/layouts.h"
#include "shell/window_base.h"
#include "shell/window_lifetime.h"
#include "win32/handles.h"

namespace numora {

// The program icon for the about window's image: the 32x32 image, scaled to `dpi`.
UniqueIcon LoadProgramImage(int dpi);

class Form2 : public WindowBase<Form2>, public Form2View {
  public:
    explicit Form2(WindowLifetime& lifetime) : lifetime_(lifetime) {}
    ~Form2();

    // Creates the window hidden, owned by `owner`, at the system's default place.
    void Create(HWND owner);

    // Form2View: the unload runs Form_Unload and then destroys this window only.
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
    HWND Control(Form2Control control) const;

    WindowLifetime& lifetime_;
    int dpi_ = 96;
    UniqueFont font_;
    UniqueIcon image_;
    std::array<HWND, kForm2Controls.size()> controls_{};
};

}  // namespace numora
