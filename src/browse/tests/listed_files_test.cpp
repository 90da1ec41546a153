#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "browse/file_listing.h"
#include "listing_test_text.h"

namespace numora {
namespace {

using testing::Printable;

DirectoryEntry File(const std::wstring& name) {
    return {name, false, false, false};
}
DirectoryEntry Folder(const std::wstring& name) {
    return {name, true, false, false};
}
DirectoryEntry Hidden(const std::wstring& name) {
    return {name, false, true, false};
}
DirectoryEntry System(const std::wstring& name) {
    return {name, false, false, true};
}

std::vector<DirectoryEntry> MixedFolder() {
    return {File(L"c.JPG"),      File(L"b.jpeg"),        File(L"a.jpg"),     File(L"d.jpe"),
            File(L"e.html"),     File(L"f.htm"),         File(L"g"),         File(L"h.mpeg"),
            File(L"i.mpg"),      File(L"j.jpg.txt"),     File(L"img10.jpg"), File(L"img2.jpg"),
            File(L"写真１.jpg"), Folder(L"k.jpg"),       Hidden(L"l.jpg"),   System(L"m.jpg"),
            Folder(L"sub"),      File(L"\U0001F600.jpg")};
}

TEST(SelectListedFilesTest, KeepsPlainMatchingFilesInNaturalOrder) {
    const struct {
        std::wstring patternText;
        std::vector<std::wstring> expected;
    } rows[] = {
        {L"*.jpg;*.jpeg",
         {L"a.jpg", L"b.jpeg", L"c.JPG", L"img2.jpg", L"img10.jpg", L"写真１.jpg",
          L"\U0001F600.jpg"}},
        {L"*.jpeg;*.jpg",
         {L"a.jpg", L"b.jpeg", L"c.JPG", L"img2.jpg", L"img10.jpg", L"写真１.jpg",
          L"\U0001F600.jpg"}},
        {L"*.jpg",
         {L"a.jpg", L"c.JPG", L"img2.jpg", L"img10.jpg", L"写真１.jpg", L"\U0001F600.jpg"}},
        {L"*.htm", {L"f.htm"}},
        {L"*.htm;*.html", {L"e.html", L"f.htm"}},
        {L"*.mpg;*.mpeg", {L"h.mpeg", L"i.mpg"}},
        {L";*.mpg;;", {L"i.mpg"}},
        {L"*.txt", {L"j.jpg.txt"}},
        {L"*.gif", {}},
        {L"", {}},
        {L"*.*",
         {L"a.jpg", L"b.jpeg", L"c.JPG", L"d.jpe", L"e.html", L"f.htm", L"g", L"h.mpeg", L"i.mpg",
          L"img2.jpg", L"img10.jpg", L"j.jpg.txt", L"写真１.jpg", L"\U0001F600.jpg"}},
        {L"?.jpg", {L"a.jpg", L"c.JPG", L"\U0001F600.jpg"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Printable(row.patternText));
        EXPECT_EQ(SelectListedFiles(MixedFolder(), row.patternText), row.expected);
    }
}

TEST(SelectListedFilesTest, GivesTheSameListWhateverTheFolderOrder) {
    std::vector<std::wstring> reference;
    for (unsigned seed = 0; seed < 10; ++seed) {
        SCOPED_TRACE(seed);
        std::vector<DirectoryEntry> entries = MixedFolder();
        entries.push_back(File(L"A.jpg"));  // equal to a.jpg but for case
        entries.push_back(File(L"img02.jpg"));
        std::shuffle(entries.begin(), entries.end(), std::mt19937{seed});
        const std::vector<std::wstring> listed = SelectListedFiles(entries, L"*.jpg");
        ASSERT_TRUE(std::is_sorted(listed.begin(), listed.end(), NaturalLess));
        if (seed == 0) {
            reference = listed;
            EXPECT_EQ(std::count(listed.begin(), listed.end(), L"A.jpg"), 1);
        } else {
            EXPECT_EQ(listed, reference);
        }
    }
}

std::wstring Numbered(int number) {
    return L"f" + std::to_wstring(number) + L".jpg";
}

TEST(SelectListedFilesTest, ShowsTheFirstFilesInOrderUpToTheCap) {
    constexpr int kGenerated = 40000;
    std::vector<DirectoryEntry> entries;
    for (int number = 1; number <= kGenerated; ++number) {
        entries.push_back(File(Numbered(number)));
        if (number % 100 == 0) {
            entries.push_back(File(L"f" + std::to_wstring(number) + L".txt"));
            entries.push_back(Hidden(L"e" + std::to_wstring(number) + L".jpg"));
        }
    }
    std::shuffle(entries.begin(), entries.end(), std::mt19937{7});

    const std::vector<std::wstring> listed = SelectListedFiles(std::move(entries), L"*.jpg");

    ASSERT_EQ(listed.size(), kMaxListedFiles);
    EXPECT_LE(listed.size(), static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()));
    for (std::size_t i = 0; i < listed.size(); ++i) {
        if (listed[i] != Numbered(static_cast<int>(i) + 1)) {
            ADD_FAILURE() << "entry " << i << " is " << Printable(listed[i]);
            break;
        }
    }
}

TEST(SelectListedFilesTest, KeepsEveryFileUpToTheCap) {
    const struct {
        std::size_t matching;
        std::size_t expected;
    } rows[] = {{0, 0},
                {1, 1},
                {kMaxListedFiles - 1, kMaxListedFiles - 1},
                {kMaxListedFiles, kMaxListedFiles},
                {kMaxListedFiles + 1, kMaxListedFiles}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.matching);
        std::vector<DirectoryEntry> entries;
        for (std::size_t i = row.matching; i > 0; --i) {
            entries.push_back(File(Numbered(static_cast<int>(i))));
        }
        const std::vector<std::wstring> listed = SelectListedFiles(std::move(entries), L"*.*");
        ASSERT_EQ(listed.size(), row.expected);
        if (!listed.empty()) {
            EXPECT_EQ(listed.front(), Numbered(1));
            EXPECT_EQ(listed.back(), Numbered(static_cast<int>(row.expected)));
        }
    }
}

}  // namespace
}  // namespace numora
