#include "driver/text_measure.h"

#include <windows.h>

#include "driver/driver_error.h"
#include "shell/win32_handles.h"

namespace numora::e2e {

int TextWidthInUserInterfaceFont(const std::wstring& text) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        throw DriverError("the system's non-client metrics are not available");
    }
    const UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
    const WindowDc screen(nullptr);
    const SelectedObject selection(screen.Get(), font.get());
    SIZE size{};
    if (!font ||
        !GetTextExtentPoint32W(screen.Get(), text.data(), static_cast<int>(text.size()), &size)) {
        throw DriverError("cannot measure " + Narrow(text));
    }
    return size.cx;
}

}  // namespace numora::e2e
