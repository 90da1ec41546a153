#include "driver/text_measure.h"

#include <windows.h>

#include <memory>
#include <type_traits>

#include "driver/driver_error.h"
#include "driver/unique_handle.h"

namespace numora::e2e {
namespace {

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

// Puts a GDI object into a DC and takes it out again on every way out.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace

int TextWidthInUserInterfaceFont(const std::wstring& text) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        throw DriverError("the system's non-client metrics are not available");
    }
    const UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
    const ScreenDc screen;
    const Selection selection(screen.get(), font.get());
    SIZE size{};
    if (!font ||
        !GetTextExtentPoint32W(screen.get(), text.data(), static_cast<int>(text.size()), &size)) {
        throw DriverError("cannot measure " + Narrow(text));
    }
    return size.cx;
}

}  // namespace numora::e2e
