// The about window: built afresh from its layout every time, modeless, and
// independent of every other window.
#pragma once

#include <windows.h>

#include "shell/form_views.h"
#include "shell/layouts.h"
#include "shell/window_base.h"
#include "win32/handles.h"

namespace numora {

class Form2 : public LayoutWindow<Form2, Form2Control, kForm2Controls.size()>, public Form2View {
  public:
    explicit Form2(WindowLifetime& lifetime) : LayoutWindow(kForm2Controls, lifetime) {}

    // Creates the window hidden, owned by `owner`, at the system's default place.
    void Create(HWND owner);

    // Form2View: this window only.
    void Unload() override { Destroy(); }

  private:
    friend class LayoutWindow<Form2, Form2Control, kForm2Controls.size()>;

    void OnCommand(int id, int code);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDpiApplied();

    UniqueIcon image_;
};

}  // namespace numora
