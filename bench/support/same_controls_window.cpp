// The fair baseline of the start-up benchmark: the main window's standard
// controls, menu and tooltip control at the same places and in the same font
// (the system's message font, as every control of the program), under the same
// manifest, with nothing filled and no handlers.
#include <windows.h>

#include <commctrl.h>

#include "shell/control_factory.h"
#include "shell/layouts.h"
#include "shell/metrics.h"
#include "support/baseline_window.h"

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace numora;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    bench::RegisterBaselineClass(instance, L"NumoraBenchSameControls");

    const int dpi = 96;
    RECT outer{TwipsToPixels(kForm1ClientScreenLeftTwips, dpi),
               TwipsToPixels(kForm1ClientScreenTopTwips, dpi),
               TwipsToPixels(kForm1ClientScreenLeftTwips + kForm1Window.clientWidthTwips, dpi),
               TwipsToPixels(kForm1ClientScreenTopTwips + kForm1Window.clientHeightTwips, dpi)};
    AdjustWindowRectEx(&outer, kStyle, TRUE, 0);
    HWND window = CreateWindowExW(0, L"NumoraBenchSameControls", L"Numora", kStyle, outer.left,
                                  outer.top, outer.right - outer.left, outer.bottom - outer.top,
                                  nullptr, BuildMenuBar(kForm1Menu).release(), instance, nullptr);
    const UniqueFont font = CreateMessageFont(dpi);
    for (const ControlLayout& layout : kForm1Controls) {
        const ControlClass kind = ClassFor(layout.kind);
        const PixelRect place = ToPixels(layout.rect, dpi);
        const std::wstring caption(layout.caption);
        HWND control = CreateWindowExW(
            kind.exStyle, kind.className, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
            place.left, place.top, place.width, place.height, window, nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    }
    CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return bench::RunMessageLoop();
}
