// The program icon: its group directory, its images, and what the system draws from them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "pixel_map_ids.h"
#include "resource_data.h"
#include "shell/resource_ids.h"

namespace numora {
namespace {

// The standard 16-colour palette in index order, as 0x00RRGGBB.
constexpr std::uint32_t kStandardPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

std::uint32_t Word(std::span<const std::byte> bytes, std::size_t offset) {
    return std::to_integer<std::uint32_t>(bytes[offset]) |
           std::to_integer<std::uint32_t>(bytes[offset + 1]) << 8;
}

std::uint32_t Dword(std::span<const std::byte> bytes, std::size_t offset) {
    return Word(bytes, offset) | Word(bytes, offset + 2) << 16;
}

std::uint32_t Byte(std::span<const std::byte> bytes, std::size_t offset) {
    return std::to_integer<std::uint32_t>(bytes[offset]);
}

struct GroupEntry {
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t colorCount;
    std::uint32_t planes;
    std::uint32_t bitCount;
    std::uint32_t bytesInRes;
    std::uint32_t id;
};

constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;

// Reads the icon group, or fails the calling test and returns nothing.
std::optional<std::vector<GroupEntry>> ReadGroup() {
    const std::span<const std::byte> group =
        OwnResource(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_NUMORA));
    if (group.size() < kGroupHeaderSize) {
        ADD_FAILURE() << "no icon group under IDI_NUMORA";
        return std::nullopt;
    }
    const std::uint32_t count = Word(group, 4);
    if (Word(group, 0) != 0 || Word(group, 2) != 1 ||
        group.size() != kGroupHeaderSize + count * kGroupEntrySize) {
        ADD_FAILURE() << "malformed icon group of " << group.size() << " bytes";
        return std::nullopt;
    }
    std::vector<GroupEntry> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = kGroupHeaderSize + i * kGroupEntrySize;
        entries.push_back({Byte(group, at), Byte(group, at + 1), Byte(group, at + 2),
                           Word(group, at + 4), Word(group, at + 6), Dword(group, at + 8),
                           Word(group, at + 12)});
    }
    return entries;
}

TEST(IconResource, GroupHoldsExactlyA32AndA16PixelSixteenColourImage) {
    const std::optional<std::vector<GroupEntry>> entries = ReadGroup();
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 2u);
    for (const std::uint32_t size : {32u, 16u}) {
        SCOPED_TRACE(testing::Message() << size << "x" << size);
        int found = 0;
        for (const GroupEntry& entry : *entries) {
            if (entry.width != size) {
                continue;
            }
            ++found;
            EXPECT_EQ(entry.height, size);
            EXPECT_EQ(entry.colorCount, 16u);
            EXPECT_EQ(entry.planes, 1u);
            EXPECT_EQ(entry.bitCount, 4u);
        }
        EXPECT_EQ(found, 1);
    }
}

TEST(IconResource, EachImageIsAFourBitBitmapWithTheStandardPalette) {
    const std::optional<std::vector<GroupEntry>> entries = ReadGroup();
    ASSERT_TRUE(entries.has_value());
    for (const GroupEntry& entry : *entries) {
        SCOPED_TRACE(testing::Message() << "image " << entry.id << ", " << entry.width << " wide");
        const std::span<const std::byte> image = OwnResource(RT_ICON, MAKEINTRESOURCEW(entry.id));
        ASSERT_EQ(image.size(), entry.bytesInRes);
        ASSERT_GE(image.size(), 40u + 16u * 4u);

        const std::uint32_t size = entry.width;
        EXPECT_EQ(Dword(image, 0), 40u);
        EXPECT_EQ(Dword(image, 4), size);
        EXPECT_EQ(Dword(image, 8), 2 * size) << "colour and mask rows together";
        EXPECT_EQ(Word(image, 12), 1u);
        EXPECT_EQ(Word(image, 14), 4u);
        EXPECT_EQ(Dword(image, 16), static_cast<std::uint32_t>(BI_RGB));

        for (std::size_t i = 0; i < 16; ++i) {
            const std::size_t at = 40 + 4 * i;
            const std::uint32_t rgb =
                Byte(image, at + 2) << 16 | Byte(image, at + 1) << 8 | Byte(image, at);
            EXPECT_EQ(rgb, kStandardPalette[i]) << "palette entry " << i;
        }

        // Rows are padded to whole 32-bit words: colour rows at 4 bits, mask rows at 1 bit.
        const std::size_t colorStride = (size * 4 + 31) / 32 * 4;
        const std::size_t maskStride = (size + 31) / 32 * 4;
        EXPECT_EQ(image.size(), 40 + 16 * 4 + (colorStride + maskStride) * size);
    }
}

// A pixel map: one palette index per pixel, or -1 where the icon is transparent.
struct PixelMap {
    int size = 0;
    std::vector<int> pixels;

    int At(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

std::optional<PixelMap> ParsePixelMap(std::string_view text) {
    std::vector<std::string_view> rows;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view row = text.substr(0, end);
        if (!row.empty() && row.back() == '\r') {
            row.remove_suffix(1);
        }
        rows.push_back(row);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    while (!rows.empty() && rows.back().empty()) {
        rows.pop_back();
    }
    PixelMap map;
    map.size = static_cast<int>(rows.size());
    for (const std::string_view row : rows) {
        if (row.size() != rows.size()) {
            return std::nullopt;
        }
        for (const char c : row) {
            if (c == '.') {
                map.pixels.push_back(-1);
            } else if (c >= '0' && c <= '9') {
                map.pixels.push_back(c - '0');
            } else if (c >= 'A' && c <= 'F') {
                map.pixels.push_back(c - 'A' + 10);
            } else if (c >= 'a' && c <= 'f') {
                map.pixels.push_back(c - 'a' + 10);
            } else {
                return std::nullopt;
            }
        }
    }
    return map;
}

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A colour outside the palette, so every pixel left untouched by the icon shows as such.
constexpr std::uint32_t kBackground = 0x123456;

// What the system draws from the icon at size x size over a kBackground canvas, top row first.
std::optional<std::vector<std::uint32_t>> DrawOwnIcon(int size) {
    UniqueIcon icon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NUMORA),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    if (!icon) {
        ADD_FAILURE() << "LoadImageW found no icon, error " << GetLastError();
        return std::nullopt;
    }
    UniqueDc dc(CreateCompatibleDC(nullptr));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap canvas(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !canvas || bits == nullptr) {
        ADD_FAILURE() << "no drawing surface, error " << GetLastError();
        return std::nullopt;
    }
    const std::size_t count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    std::span<std::uint32_t> pixels(static_cast<std::uint32_t*>(bits), count);
    std::fill(pixels.begin(), pixels.end(), kBackground);
    {
        SelectedObject selected(dc.get(), canvas.get());
        if (!DrawIconEx(dc.get(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL)) {
            ADD_FAILURE() << "DrawIconEx failed, error " << GetLastError();
            return std::nullopt;
        }
        GdiFlush();
    }
    return std::vector<std::uint32_t>(pixels.begin(), pixels.end());
}

struct RenderRow {
    int size;
    int pixelMapId;
};

void PrintTo(const RenderRow& row, std::ostream* out) {
    *out << row.size << "x" << row.size << " against pixel map " << row.pixelMapId;
}

class IconRendering : public testing::TestWithParam<RenderRow> {};

TEST_P(IconRendering, SystemDrawsThePixelMapWithItsTransparency) {
    const RenderRow row = GetParam();
    const std::optional<PixelMap> map =
        ParsePixelMap(OwnResourceText(RT_RCDATA, MAKEINTRESOURCEW(row.pixelMapId)));
    ASSERT_TRUE(map.has_value()) << "the pixel map is not a square of 0-F and '.'";
    ASSERT_EQ(map->size, row.size);
    // Without both kinds of pixel a swapped mask would go unnoticed.
    ASSERT_NE(std::count(map->pixels.begin(), map->pixels.end(), -1), 0);
    ASSERT_NE(std::count(map->pixels.begin(), map->pixels.end(), -1),
              static_cast<std::ptrdiff_t>(map->pixels.size()));

    const std::optional<std::vector<std::uint32_t>> drawn = DrawOwnIcon(row.size);
    ASSERT_TRUE(drawn.has_value());

    int wrong = 0;
    std::ostringstream firstWrong;
    for (int y = 0; y < row.size; ++y) {
        for (int x = 0; x < row.size; ++x) {
            const int index = map->At(x, y);
            const std::uint32_t expected = index < 0 ? kBackground : kStandardPalette[index];
            const std::uint32_t actual =
                (*drawn)[static_cast<std::size_t>(y * row.size + x)] & 0xFFFFFF;
            if (actual != expected && wrong++ < 8) {
                firstWrong << " (" << x << "," << y << "): 0x" << std::hex << actual
                           << " instead of 0x" << expected << std::dec << ";";
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels drawn wrong, first ones:" << firstWrong.str();
}

INSTANTIATE_TEST_SUITE_P(BothSizes, IconRendering,
                         testing::Values(RenderRow{32, IDR_PIXEL_MAP_32},
                                         RenderRow{16, IDR_PIXEL_MAP_16}),
                         [](const testing::TestParamInfo<RenderRow>& row) {
                             return "Size" + std::to_string(row.param.size);
                         });

}  // namespace
}  // namespace numora
