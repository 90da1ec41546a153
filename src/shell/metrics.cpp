#include "shell/metrics.h"

#include "win32/failure.h"

namespace numora {
namespace {

// Functions of newer user32 versions (Windows 10), looked up at run time.
template <typename Function>
Function User32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    // Through void(*)(): the one function pointer type every other converts to cleanly.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

int SystemDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

RECT OuterRectForClient(const RECT& client, DWORD style, bool hasMenu, int dpi) {
    static const auto adjustForDpi =
        User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT outer = client;
    const BOOL menu = hasMenu ? TRUE : FALSE;
    if (adjustForDpi != nullptr) {
        adjustForDpi(&outer, style, menu, 0, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&outer, style, menu, 0);
    }
    return outer;
}

UniqueFont CreateMessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0) == FALSE) {
        ThrowLastError("The system's message font is not available.");
    }
    LOGFONTW font = metrics.lfMessageFont;
    // The metrics are given at the system DPI; the window may sit on another monitor.
    font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
    UniqueFont created(CreateFontIndirectW(&font));
    if (!created) {
        ThrowLastError("The message font could not be created.");
    }
    return created;
}

int FontLineHeight(HWND window, HFONT font) {
    const WindowDc dc(window);
    const SelectedObject selected(dc.Get(), font);
    TEXTMETRICW metrics{};
    if (dc.Get() == nullptr || GetTextMetricsW(dc.Get(), &metrics) == FALSE) {
        ThrowLastError("The text metrics could not be read.");
    }
    return metrics.tmHeight;
}

}  // namespace numora
