#include "driver/screenshot.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <type_traits>
#include <vector>

#include "driver/driver_error.h"
#include "driver/settings.h"
#include "driver/user_input.h"
#include "driver/window_query.h"
#include "shell/win32_handles.h"

namespace numora::e2e {
namespace {

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const noexcept { DeleteObject(bitmap); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

}  // namespace

std::wstring SaveScreenRect(const RECT& rect, const std::wstring& fileName) {
    const int width = WidthOf(rect);
    const int height = HeightOf(rect);
    if (width <= 0 || height <= 0) {
        throw DriverError("empty rectangle for " + Narrow(fileName));
    }
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!memory || !bitmap) {
        throw DriverError("cannot make a bitmap for " + Narrow(fileName));
    }
    const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
    SelectObject(memory.get(), previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as BMP files store it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    if (GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(),
                  reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS) == 0) {
        throw DriverError("GetDIBits failed for " + Narrow(fileName));
    }

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());

    const std::filesystem::path folder(ScreenshotFolder());
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / fileName;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    if (!out) {
        throw DriverError("cannot write " + path.string());
    }
    return path.wstring();
}

std::wstring SaveWindowPicture(HWND window, const std::wstring& fileName) {
    BringToFront(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SyncWith(window);
    return SaveScreenRect(WindowRectOf(window), fileName);
}

}  // namespace numora::e2e
