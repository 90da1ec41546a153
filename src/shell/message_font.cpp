#include "shell/message_font.h"

#include <stdexcept>

#include "shell/dpi.h"

namespace numora {

UniqueFont CreateMessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0) == FALSE) {
        throw std::runtime_error("The system's message font is not available.");
    }
    LOGFONTW font = metrics.lfMessageFont;
    // The metrics are given at the system DPI; the window may sit on another monitor.
    font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
    UniqueFont created(CreateFontIndirectW(&font));
    if (!created) {
        throw std::runtime_error("The message font could not be created.");
    }
    return created;
}

int FontLineHeight(HWND window, HFONT font) {
    const WindowDc dc(window);
    if (dc.Get() == nullptr) {
        throw std::runtime_error("No device context for measuring text.");
    }
    const SelectedObject selected(dc.Get(), font);
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(dc.Get(), &metrics) == FALSE) {
        throw std::runtime_error("The text metrics could not be read.");
    }
    return metrics.tmHeight;
}

}  // namespace numora
