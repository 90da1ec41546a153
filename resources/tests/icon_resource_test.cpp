// The program icon: its group directory and its images.
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

}  // namespace
}  // namespace numora
