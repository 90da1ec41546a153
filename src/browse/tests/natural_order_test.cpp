#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "browse/file_listing.h"
#include "listing_test_text.h"

namespace numora {
namespace {

using testing::Printable;
using testing::Utf16Units;

struct OrderRow {
    std::wstring before;
    std::wstring after;
};

class NaturalLessTest : public ::testing::TestWithParam<OrderRow> {};

TEST_P(NaturalLessTest, PutsTheFirstBeforeTheSecond) {
    const OrderRow& row = GetParam();
    EXPECT_TRUE(NaturalLess(row.before, row.after))
        << Printable(row.before) << " should come before " << Printable(row.after);
    EXPECT_FALSE(NaturalLess(row.after, row.before))
        << Printable(row.after) << " should not come before " << Printable(row.before);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NaturalLessTest,
    ::testing::Values(OrderRow{L"img2.jpg", L"img10.jpg"}, OrderRow{L"img9.jpg", L"img10.jpg"},
                      OrderRow{L"img10.jpg", L"img11.jpg"}, OrderRow{L"img99.jpg", L"img100.jpg"},
                      OrderRow{L"2.jpg", L"10.jpg"}, OrderRow{L"a2b9.jpg", L"a2b10.jpg"},
                      OrderRow{L"a9b1.jpg", L"a10b0.jpg"},
                      OrderRow{L"img1.jpg", L"img002.jpg"},  // leading zeros carry no value
                      OrderRow{L"img0009.jpg", L"img10.jpg"}, OrderRow{L"img0.jpg", L"img1.jpg"},
                      OrderRow{L"img000.jpg", L"img1.jpg"},
                      OrderRow{L"img01.jpg", L"img1.jpg"},  // equal value: by the characters
                      OrderRow{L"img001.jpg", L"img01.jpg"}));

INSTANTIATE_TEST_SUITE_P(
    LongDigitRuns, NaturalLessTest,
    ::testing::Values(
        OrderRow{L"a18446744073709551615", L"a18446744073709551616"},
        OrderRow{L"a4294967296", L"a18446744073709551615"},
        OrderRow{L"a" + std::wstring(39, L'9'), L"a1" + std::wstring(39, L'0')},
        OrderRow{L"a" + std::wstring(30, L'0') + L"5", L"a6"},
        OrderRow{L"a" + std::wstring(60, L'7') + L"1", L"a" + std::wstring(60, L'7') + L"2"},
        OrderRow{L"a" + std::wstring(60, L'7') + L"x", L"a" + std::wstring(60, L'7') + L"y"}));

INSTANTIATE_TEST_SUITE_P(
    LetterCase, NaturalLessTest,
    ::testing::Values(OrderRow{L"apple.jpg", L"Banana.jpg"}, OrderRow{L"APPLE.jpg", L"banana.jpg"},
                      OrderRow{L"Img2.jpg", L"img10.jpg"}, OrderRow{L"img2.jpg", L"IMG10.JPG"},
                      OrderRow{L"été.jpg", L"ÉTÉ2.jpg"}, OrderRow{L"ΑΛΦΑ.txt", L"βήτα.txt"},
                      OrderRow{L"ａｂｃ.txt", L"ＡＢＤ.txt"},
                      // Full-width letters sort beside their ASCII forms.
                      OrderRow{L"ａ.jpg", L"b.jpg"}, OrderRow{L"A.jpg", L"ａ.jpg"},
                      OrderRow{L"Ｚ.jpg", L"あ.jpg"},
                      // Equal but for case: a fixed order by the characters themselves.
                      OrderRow{L"ABC.jpg", L"abc.jpg"}, OrderRow{L"Abc.jpg", L"abc.jpg"},
                      OrderRow{L"ABC.jpg", L"Abc.jpg"}));

INSTANTIATE_TEST_SUITE_P(
    Classes, NaturalLessTest,
    ::testing::Values(OrderRow{L"1.jpg", L"a.jpg"}, OrderRow{L"99.jpg", L"a.jpg"},
                      OrderRow{L"_a.jpg", L"1a.jpg"}, OrderRow{L" a.jpg", L"1.jpg"},
                      OrderRow{L"（1）.jpg", L"1.jpg"}, OrderRow{L"img.jpg", L"img1.jpg"},
                      OrderRow{L"img.jpg", L"img_1.jpg"}, OrderRow{L"abc", L"abcd"},
                      OrderRow{L"", L"a"}, OrderRow{L"z.jpg", L"é.jpg"}));

INSTANTIATE_TEST_SUITE_P(
    Japanese, NaturalLessTest,
    ::testing::Values(OrderRow{L"写真2.jpg", L"写真10.jpg"},
                      OrderRow{L"写真２.jpg", L"写真１０.jpg"},  // full-width digits count too
                      OrderRow{L"写真９.jpg", L"写真10.jpg"},
                      OrderRow{L"写真1０.jpg", L"写真11.jpg"}, OrderRow{L"あ.jpg", L"い.jpg"},
                      OrderRow{L"あ.jpg", L"ア.jpg"}, OrderRow{L"旅行1.jpg", L"旅行　1.jpg"},
                      OrderRow{L"photo.jpg", L"写真.jpg"}));

// By code point: U+FF3A lies below U+1F600, though its UTF-16 unit lies above 0xD83D.
INSTANTIATE_TEST_SUITE_P(BeyondTheBmp, NaturalLessTest,
                         ::testing::Values(OrderRow{L"Ｚ.jpg", L"\U0001F600.jpg"},
                                           OrderRow{L"\uFFFD.jpg", L"\U0001F600.jpg"},
                                           OrderRow{L"\U0001F600.jpg", L"\U0001F601.jpg"},
                                           OrderRow{L"\U0001F6002.jpg", L"\U0001F60010.jpg"},
                                           OrderRow{L"a\uE000", L"a\U00010000"},
                                           OrderRow{L"Ｚ.jpg", Utf16Units(0x1F600) + L".jpg"},
                                           OrderRow{L"a\uE000", L"a" + Utf16Units(0x10000)},
                                           OrderRow{Utf16Units(0x1F600) + L"2",
                                                    Utf16Units(0x1F600) + L"10"}));

// Names that a strict weak ordering must handle, including ties but for case
// and leading zeros.
std::vector<std::wstring> OrderingSample() {
    return {L"img1.jpg",
            L"IMG1.jpg",
            L"img01.jpg",
            L"Img001.JPG",
            L"img2.jpg",
            L"img10.jpg",
            L"img010.jpg",
            L"img",
            L"img.jpg",
            L"img_1.jpg",
            L"1.jpg",
            L"01.jpg",
            L"a",
            L"A",
            L"",
            L" ",
            L"写真１.jpg",
            L"写真1.jpg",
            L"写真01.jpg",
            L"写真１０.jpg",
            L"\U0001F600",
            L"\U0001F600.jpg",
            L"Ｚ",
            L"ｚ",
            L"été",
            L"ÉTÉ",
            L"a1b2",
            L"a01b02",
            L"a1b02",
            L"a" + std::wstring(25, L'9'),
            L"a" + std::wstring(26, L'0'),
            L"ς",
            L"Σ",
            L"σ"};
}

TEST(NaturalOrderTest, IsAStrictTotalOrderOnDistinctNames) {
    const std::vector<std::wstring> names = OrderingSample();
    for (const auto& a : names) {
        EXPECT_FALSE(NaturalLess(a, a)) << Printable(a);
        for (const auto& b : names) {
            if (a == b) continue;
            EXPECT_NE(NaturalLess(a, b), NaturalLess(b, a))
                << Printable(a) << " and " << Printable(b) << " must be ordered one way";
            for (const auto& c : names) {
                if (NaturalLess(a, b) && NaturalLess(b, c)) {
                    EXPECT_TRUE(NaturalLess(a, c))
                        << Printable(a) << " < " << Printable(b) << " < " << Printable(c);
                }
            }
        }
    }
}

TEST(NaturalOrderTest, SortingGivesOneOrderWhateverTheStart) {
    std::vector<std::wstring> first = OrderingSample();
    std::sort(first.begin(), first.end(), NaturalLess);
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        std::vector<std::wstring> names = OrderingSample();
        std::shuffle(names.begin(), names.end(), std::mt19937{seed});
        std::stable_sort(names.begin(), names.end(), NaturalLess);
        EXPECT_EQ(names, first);
    }
}

}  // namespace
}  // namespace numora
