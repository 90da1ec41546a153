// The file list's order beside the shell's own StrCmpLogicalW.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "browse/file_listing.h"
#include "listing_test_text.h"

namespace numora {
namespace {

using testing::Printable;

int ShellSign(const std::wstring& a, const std::wstring& b) {
    const int result = ::StrCmpLogicalW(a.c_str(), b.c_str());
    return (result > 0) - (result < 0);
}

// Lists in the order that both are meant to give: letters, digit runs by value,
// kana and kanji, full-width letters beside their ASCII forms.
const std::vector<std::vector<std::wstring>> kSharedOrders = {
    {L"2string", L"3string", L"20string", L"st2ring", L"st3ring", L"st20ring", L"string2",
     L"string3", L"string20"},
    {L"Ie4_01", L"Ie4_128", L"Ie5", L"Ie6", L"Ie401sp2", L"Ie501sp2"},
    {L"5.txt", L"11.txt", L"88.txt"},
    {L"IMG1.JPG", L"img2.jpg", L"Img10.jpg", L"img100.jpg", L"photo.jpeg", L"photo.jpg",
     L"Trip9b.jpg", L"trip10a.jpg", L"trip10B.jpg"},
    {L"x2y3", L"x2y12", L"x12y2", L"Ｚ.jpg", L"あ.jpg", L"写真2.jpg", L"写真10.jpg", L"旅行.jpg"},
    {L"a18446744073709551615", L"a18446744073709551616", L"a99999999999999999999"},
};

TEST(ShellOrderTest, AgreesWithStrCmpLogicalWWhereBothMeanTheSame) {
    for (const auto& order : kSharedOrders) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            for (std::size_t j = i + 1; j < order.size(); ++j) {
                const std::wstring& a = order[i];
                const std::wstring& b = order[j];
                SCOPED_TRACE(Printable(a) + " before " + Printable(b));
                EXPECT_TRUE(NaturalLess(a, b));
                EXPECT_EQ(ShellSign(a, b), -1) << "the shell's order has changed";
            }
        }
    }
}

// Pairs where this order is decided on purpose and the shell under Wine may
// decide otherwise; the test holds this side and reports the shell's.
struct PartingRow {
    std::wstring before;
    std::wstring after;
    const char* why;
};

TEST(ShellOrderTest, KeepsItsOwnOrderWhereTheShellMayPart) {
    const PartingRow rows[] = {
        {L"b.jpg", L"b1.jpg", "a dot before a number: the shorter name first"},
        {L"img.jpg", L"img10.jpg", "a dot before a number"},
        {L"写真.jpg", L"写真2.jpg", "a dot before a number"},
        {L"_a.jpg", L"1a.jpg", "punctuation before digits"},
        {L"img_1.jpg", L"img01.jpg", "punctuation before digits"},
        {L"img 1.jpg", L"img-1.jpg", "ASCII punctuation by code point"},
        {L"写真１.jpg", L"写真2.jpg", "full-width digits are numbers"},
        {L"写真２.jpg", L"写真１０.jpg", "full-width digits are numbers"},
        {L"img01.jpg", L"img1.jpg", "equal values: leading zero first"},
        {L"あ.jpg", L"ア.jpg", "kana by code point"},
        {L"Zoo.jpg", L"été.jpg", "accented letters after the ASCII ones"},
        {L"写真.jpg", L"ｱ.jpg", "half-width katakana by code point"},
        {L"写真.jpg", L"\U0001F600.jpg", "beyond the BMP by code point"},
        {L"ABC.jpg", L"abc.jpg", "case-only ties by code point"},
    };
    int parted = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(Printable(row.before) + " before " + Printable(row.after));
        EXPECT_TRUE(NaturalLess(row.before, row.after)) << row.why;
        EXPECT_FALSE(NaturalLess(row.after, row.before)) << row.why;
        const int shell = ShellSign(row.before, row.after);
        if (shell != -1) {
            ++parted;
            std::cout << "  StrCmpLogicalW(" << Printable(row.before) << ", "
                      << Printable(row.after) << ") = " << shell << "  [" << row.why << "]\n";
        }
    }
    std::cout << "  the shell parts on " << parted << " of " << std::size(rows) << " pairs\n";
}

}  // namespace
}  // namespace numora
