#include "shell/dpi.h"

#include "shell/win32_handles.h"

namespace numora {
namespace {

// Functions of newer user32 versions, looked up at run time.
template <typename Function>
Function User32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    // Through void(*)(): the one function pointer type every other converts to cleanly.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

using SetProcessDpiAwarenessContextFunction = BOOL(WINAPI*)(HANDLE);
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE.
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));

}  // namespace

void EnablePerMonitorDpiAwareness() {
    const auto setContext =
        User32Function<SetProcessDpiAwarenessContextFunction>("SetProcessDpiAwarenessContext");
    if (setContext == nullptr) {
        return;
    }
    // Fails harmlessly when the manifest has already set the same awareness.
    if (setContext(kPerMonitorAwareV2) == FALSE) {
        setContext(kPerMonitorAware);
    }
}

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

RECT OuterRectForClient(const RECT& client, DWORD style, DWORD exStyle, bool hasMenu, int dpi) {
    static const auto adjustForDpi =
        User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT outer = client;
    const BOOL menu = hasMenu ? TRUE : FALSE;
    if (adjustForDpi != nullptr) {
        adjustForDpi(&outer, style, menu, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&outer, style, menu, exStyle);
    }
    return outer;
}

}  // namespace numora
