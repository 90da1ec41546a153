#include "shell/form2_window.h"

#include <string>
#include <utility>

#include "shell/control_factory.h"
#include "shell/metrics.h"
#include "win32/failure.h"

namespace numora {
namespace {

constexpr DWORD kForm2Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kForm2ExStyle = 0;
constexpr int kImageSizeAt96Dpi = 32;

}  // namespace

UniqueIcon LoadProgramImage(int dpi) {
    const int size = MulDiv(kImageSizeAt96Dpi, dpi, kDefaultDpi);
    UniqueIcon icon(static_cast<HICON>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NUMORA), IMAGE_ICON, size, size, 0)));
    if (!icon) {
        ThrowLastError("The program icon could not be loaded.");
    }
    return icon;
}

Form2::~Form2() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

void Form2::Create(HWND owner) {
    const std::wstring caption(kForm2Window.caption);
    // The size follows once the window's own DPI is known.
    if (CreateWindowExW(kForm2ExStyle, NUMORA_FORM2_CLASS, caption.c_str(), kForm2Style,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                        GetModuleHandleW(nullptr), this) == nullptr) {
        ThrowLastError("The about window could not be created.");
    }
    dpi_ = WindowDpi(hwnd_);
    FitClientArea();
    font_ = CreateMessageFont(dpi_);
    for (std::size_t row = 0; row < kForm2Controls.size(); ++row) {
        controls_[row] = CreateLayoutControl(hwnd_, kForm2Controls[row], dpi_, font_.get());
    }
    ShowImage();
}

HWND Form2::Control(Form2Control control) const {
    return GetDlgItem(hwnd_, static_cast<int>(control));
}

// Drawn at its own size, centred in its place from the layout.
void Form2::ShowImage() {
    UniqueIcon image = LoadProgramImage(dpi_);
    SendMessageW(Control(Form2Control::Image1), STM_SETICON, reinterpret_cast<WPARAM>(image.get()),
                 0);
    image_ = std::move(image);  // the old one only once the control no longer shows it
}

void Form2::FitClientArea() {
    RECT client{0, 0, TwipsToPixels(kForm2Window.clientWidthTwips, dpi_),
                TwipsToPixels(kForm2Window.clientHeightTwips, dpi_)};
    const RECT outer = OuterRectForClient(client, kForm2Style, kForm2ExStyle, false, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form2::Unload() {
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0) {
        return;
    }
    Destroy();
}

LRESULT Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            lifetime_.WindowOpened();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_NCDESTROY:
            lifetime_.WindowClosed();
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void Form2::OnCommand(int id, int code) {
    switch (id) {
        case IDC_FORM2_COMMAND1:
            if (code == BN_CLICKED) {
                Command1_Click(*this);
            }
            break;
        case IDOK:
            PressFocusedButton();
            break;
        default:
            break;  // IDCANCEL: Escape does nothing, there is no cancel button
    }
}

LRESULT Form2::OnCtlColorStatic(HDC dc, HWND label) {
    if (label != Control(Form2Control::lblDisclaimer)) {
        return DefaultHandling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(label));
    }
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Form2::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    RelayoutForDpi(hwnd_, suggested, dpi_, controls_, kForm2Controls, font_);
    ShowImage();
}

void Form2::OnActivate(WPARAM wParam) {
    // The only control that takes the focus gets it whenever the window is active.
    if (LOWORD(wParam) != WA_INACTIVE) {
        SetFocus(Control(Form2Control::Command1));
    }
}

}  // namespace numora
