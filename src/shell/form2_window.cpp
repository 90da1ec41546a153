#include "shell/form2_window.h"

#include <string>
#include <utility>

#include "shell/form_handlers.h"
#include "shell/metrics.h"
#include "win32/failure.h"

namespace numora {
namespace {

constexpr DWORD kForm2Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

}  // namespace

void Form2::Create(HWND owner) {
    const std::wstring caption(kForm2Window.caption);
    // The size follows once the window's own DPI is known.
    if (CreateWindowExW(0, NUMORA_FORM2_CLASS, caption.c_str(), kForm2Style, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                        GetModuleHandleW(nullptr), this) == nullptr) {
        ThrowLastError("The about window could not be created.");
    }
    CreateControls();
    const RECT client{0, 0, TwipsToPixels(kForm2Window.clientWidthTwips, Dpi()),
                      TwipsToPixels(kForm2Window.clientHeightTwips, Dpi())};
    const RECT outer = OuterRectForClient(client, kForm2Style, false, Dpi());
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    OnDpiApplied();
}

// The program icon's 32x32 image at the window's DPI, centred in its place.
void Form2::OnDpiApplied() {
    const int size = ScaleForDpi(32, Dpi());
    UniqueIcon image(static_cast<HICON>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NUMORA), IMAGE_ICON, size, size, 0)));
    if (!image) {
        ThrowLastError("The program icon could not be loaded.");
    }
    SendMessageW(Control(Form2Control::Image1), STM_SETICON, reinterpret_cast<WPARAM>(image.get()),
                 0);
    image_ = std::move(image);  // the old one only once the control no longer shows it
}

void Form2::OnCommand(int id, int code) {
    // IDCANCEL: Escape does nothing, there is no cancel button.
    if (id == IDC_FORM2_COMMAND1_OK && code == BN_CLICKED) Command1_Click(*this);
}

LRESULT Form2::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The rights holder's line in pure black whatever the scheme's text colour,
    // as it has always been drawn; on the window's colour, not a static's white.
    if (message == WM_CTLCOLORSTATIC &&
        reinterpret_cast<HWND>(lParam) == Control(Form2Control::lblDisclaimer)) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace numora
