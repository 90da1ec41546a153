// The fair baseline of the start-up benchmark: the main window's standard
// controls, menu and tooltip control, made by the program's own control factory
// and placement so that they are the same controls at the same places and sizes
// in the same font, under the same manifest, with nothing filled and no handlers.
#include <windows.h>

#include <commctrl.h>

#include "shell/control_factory.h"
#include "shell/layouts.h"
#include "shell/metrics.h"
#include "support/baseline_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace numora;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    bench::RegisterBaselineClass(instance, L"NumoraBenchSameControls");

    const int dpi = SystemDpi();
    const RECT outer = OuterRectFor(kForm1.Window, dpi);
    HWND window =
        CreateWindowExW(0, L"NumoraBenchSameControls", L"Numora", WindowStyle(kForm1.Window.Frame),
                        outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                        nullptr, CreateLayoutMenu(kForm1.Window.Menu).release(), instance, nullptr);
    const UniqueFont font = CreateMessageFont(dpi);
    ComboFieldFit comboFit;
    for (const ControlLayout<Form1Control>& control : kForm1.Controls) {
        CreateLayoutControl(window, ControlId(control.Name), control.Design, dpi, font.get(),
                            &comboFit);
    }
    CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return bench::RunMessageLoop();
}
