#include "shell/form2_window.h"

#include <string>
#include <utility>

#include "shell/form_handlers.h"
#include "shell/ids.h"
#include "shell/metrics.h"
#include "win32/failure.h"

namespace numora {

void Form2::Create(HWND owner) {
    CreateFromLayout(owner);
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
    if (id == IDOK) PressFocusedButton();
    if (id == ControlId(Form2Control::Command1) && code == BN_CLICKED) Command1_Click(*this);
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
