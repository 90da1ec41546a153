// The about window: built afresh from its layout every time, modeless, and
// independent of every other window. What comes in (OnCommand), and where it
// goes: OK (Command1) clicked, or Enter on it -> Command1_Click. Escape does
// nothing: the window has no cancel button.
#pragma once

#include <windows.h>

#include "shell/form_views.h"
#include "shell/layouts.h"
#include "shell/window_base.h"
#include "win32/handles.h"

namespace numora {

class Form2 : public LayoutWindow<Form2, Form2Control>, public Form2View {
  public:
    explicit Form2(WindowLifetime& lifetime) : LayoutWindow(kForm2, lifetime) {}

    // Creates the window hidden, owned by `owner`, at the system's default place.
    void Create(HWND owner);

    // Form2View: this window only.
    void Unload() override { Destroy(); }

  private:
    friend class LayoutWindow<Form2, Form2Control>;

    void OnCommand(int id, int code);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDpiApplied();

    UniqueIcon image_;
};

}  // namespace numora
