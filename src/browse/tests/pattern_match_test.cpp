#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/file_listing.h"
#include "listing_test_text.h"

namespace numora {
namespace {

using testing::Printable;
using testing::Utf16Units;

TEST(SplitPatternsTest, SplitsAtSemicolonsAndDropsEmptyParts) {
    const struct {
        std::wstring text;
        std::vector<std::wstring> expected;
    } rows[] = {
        {L"*.jpg;*.jpeg", {L"*.jpg", L"*.jpeg"}},
        {L"*.mpg;*.mpeg", {L"*.mpg", L"*.mpeg"}},
        {L"*.*", {L"*.*"}},
        {L"*.gif", {L"*.gif"}},
        {L"", {}},
        {L";;", {}},
        {L";*.gif;;*.bmp;", {L"*.gif", L"*.bmp"}},
        {L"写真*.jpg;*.ＪＰＧ", {L"写真*.jpg", L"*.ＪＰＧ"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Printable(row.text));
        EXPECT_EQ(SplitPatterns(row.text), row.expected);
    }
}

struct MatchRow {
    std::wstring name;
    std::wstring pattern;
    bool matches;
};

class MatchesPatternTest : public ::testing::TestWithParam<MatchRow> {};

TEST_P(MatchesPatternTest, MatchesTheLongNameLikeWindows) {
    const MatchRow& row = GetParam();
    EXPECT_EQ(MatchesPattern(row.name, row.pattern), row.matches)
        << Printable(row.name) << " against " << Printable(row.pattern);
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, MatchesPatternTest,
    ::testing::Values(
        MatchRow{L"photo.jpg", L"*.jpg", true}, MatchRow{L"photo.jpeg", L"*.jpeg", true},
        MatchRow{L"photo.jpeg", L"*.jpg", false}, MatchRow{L"photo.jpg", L"*.jpeg", false},
        MatchRow{L"photo.jpe", L"*.jpeg", false}, MatchRow{L"jpg", L"*.jpg", false},
        MatchRow{L".jpg", L"*.jpg", true},
        MatchRow{L"a.html", L"*.htm", false},  // no 8.3 alias "A~1.HTM"
        MatchRow{L"a.htm", L"*.htm", true}, MatchRow{L"a.html", L"*.html", true},
        MatchRow{L"movie.mpeg", L"*.mpg", false}, MatchRow{L"movie.mpg", L"*.mpeg", false},
        MatchRow{L"photo.jpg.txt", L"*.jpg", false}, MatchRow{L"archive.tar.gz", L"*.gz", true},
        MatchRow{L"archive.tar.gz", L"*.tar", false}, MatchRow{L"archive.tar.gz", L"*.tar.*", true},
        MatchRow{L"song.mp3", L"*.mp3", true}, MatchRow{L"song.mp", L"*.mp3", false}));

INSTANTIATE_TEST_SUITE_P(
    LetterCase, MatchesPatternTest,
    ::testing::Values(
        MatchRow{L"PHOTO.JPG", L"*.jpg", true}, MatchRow{L"photo.Jpg", L"*.JPG", true},
        MatchRow{L"Photo.JpEg", L"*.jpeg", true},
        MatchRow{L"写真.ｊｐｇ", L"*.ＪＰＧ", true},  // full-width letters fold
        MatchRow{L"写真.ｊｐｇ", L"*.jpg", false},    // but are not ASCII
        MatchRow{L"ÉTÉ.jpg", L"été.*", true}, MatchRow{L"ŁÓDŹ.bmp", L"łódź.bmp", true},
        MatchRow{L"ΟΔΟΣ.txt", L"οδος.txt", true}, MatchRow{L"ΟΔΟΣ.txt", L"οδοσ.txt", true},
        MatchRow{L"Ώρα.txt", L"ώρα.txt", true}, MatchRow{L"ПРИВЕТ.txt", L"привет.*", true},
        MatchRow{L"Ёлка.txt", L"ёлка.txt", true}, MatchRow{L"Ÿ.txt", L"ÿ.txt", true},
        MatchRow{L"ß.txt", L"SS.txt", false}, MatchRow{L"ı.txt", L"I.txt", false},
        MatchRow{L"ア.txt", L"あ.txt", false}));

INSTANTIATE_TEST_SUITE_P(
    Wildcards, MatchesPatternTest,
    ::testing::Values(
        MatchRow{L"readme", L"*.*", true}, MatchRow{L"a.b.c", L"*.*", true},
        MatchRow{L".profile", L"*.*", true}, MatchRow{L"∀", L"*.*", true},
        MatchRow{L"readme", L"*", true}, MatchRow{L"a.b", L"*", true},
        MatchRow{L"readme", L"readme.*", true}, MatchRow{L"readme.txt", L"readme.*", true},
        MatchRow{L"readmeX", L"readme.*", false}, MatchRow{L"a1.jpg", L"a?.jpg", true},
        MatchRow{L"a.jpg", L"a?.jpg", false}, MatchRow{L"a12.jpg", L"a?.jpg", false},
        MatchRow{L"a.jpg", L"?.jpg", true}, MatchRow{L"abcabc.txt", L"*abc.txt", true},
        MatchRow{L"abcab.txt", L"*abc*.txt", true}, MatchRow{L"aaa", L"*a*a*a*", true},
        MatchRow{L"aa", L"*a*a*a*", false}, MatchRow{L"photo.jpg", L"photo.jpg", true},
        MatchRow{L"photo.jpg", L"photo.jp", false}, MatchRow{L"photo.jpg", L"", false},
        MatchRow{L"file.∀", L"*.∀", true}, MatchRow{L"a.jpg", L"∀", false},
        MatchRow{L"a.jpg", L"*.∀", false}));

INSTANTIATE_TEST_SUITE_P(Japanese, MatchesPatternTest,
                         ::testing::Values(MatchRow{L"写真１.jpg", L"*.jpg", true},
                                           MatchRow{L"写真１.JPG", L"*.jpg", true},
                                           MatchRow{L"写真１.jpg", L"写真?.jpg", true},
                                           MatchRow{L"写真１０.jpg", L"写真?.jpg", false},
                                           MatchRow{L"旅行　写真.jpeg", L"旅行*.jpeg", true},
                                           MatchRow{L"ﾃﾞｼﾞｶﾒ.bmp", L"*.bmp", true}));

// One character beyond the BMP is one character for '?', though two UTF-16 units.
INSTANTIATE_TEST_SUITE_P(
    BeyondTheBmp, MatchesPatternTest,
    ::testing::Values(MatchRow{L"\U0001F600.jpg", L"?.jpg", true},
                      MatchRow{L"\U0001F600.jpg", L"??.jpg", false},
                      MatchRow{L"a\U0001F600b.txt", L"a*b.txt", true},
                      MatchRow{L"a\U0001F600b.txt", L"a?b.txt", true},
                      MatchRow{L"\U00020BB7野家.txt", L"?野家.txt", true},
                      MatchRow{L"\U0001F600.jpg", L"\U0001F601.jpg", false},
                      MatchRow{Utf16Units(0x1F600) + L".jpg", L"?.jpg", true},
                      MatchRow{Utf16Units(0x1F600) + L".jpg", L"??.jpg", false},
                      MatchRow{L"a" + Utf16Units(0x20BB7) + L"b", L"a?b", true},
                      MatchRow{Utf16Units(0x1F600) + L".JPG", Utf16Units(0x1F600) + L".jpg",
                               true}));

}  // namespace
}  // namespace numora
