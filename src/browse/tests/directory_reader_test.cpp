#include "browse/directory_reader.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "browse/control_error.h"
#include "browse/file_listing.h"
#include "browse/folder_path.h"
#include "listing_test_text.h"
#include "support/temp_folder.h"
#include "unused_drive_letter.h"

namespace numora {

bool operator==(const DirectoryEntry& a, const DirectoryEntry& b) {
    return a.name == b.name && a.isDirectory == b.isDirectory && a.isHidden == b.isHidden &&
           a.isSystem == b.isSystem;
}

void PrintTo(const DirectoryEntry& entry, std::ostream* out) {
    *out << "{" << testing::Printable(entry.name) << (entry.isDirectory ? " dir" : "")
         << (entry.isHidden ? " hidden" : "") << (entry.isSystem ? " system" : "") << "}";
}

namespace {

using test_support::TempFolder;
using testing::Printable;
using testing::UnusedDriveLetter;

class DirectoryReaderTest : public ::testing::Test {
  protected:
    TempFolder folder;
};

TEST_F(DirectoryReaderTest, ReadsEveryEntryWithItsKind) {
    folder.AddFile(L"a.jpg");
    folder.AddFile(L"h.jpg", FILE_ATTRIBUTE_HIDDEN);
    folder.AddFile(L"s.jpg", FILE_ATTRIBUTE_SYSTEM);
    folder.AddFolder(L"sub");
    folder.AddFolder(L"hsub", FILE_ATTRIBUTE_HIDDEN);

    std::vector<DirectoryEntry> entries = ReadDirectory(folder.Path());
    std::sort(entries.begin(), entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });

    const std::vector<DirectoryEntry> expected = {{L"a.jpg", false, false, false},
                                                  {L"h.jpg", false, true, false},
                                                  {L"hsub", true, true, false},
                                                  {L"s.jpg", false, false, true},
                                                  {L"sub", true, false, false}};
    EXPECT_EQ(entries, expected);
}

TEST_F(DirectoryReaderTest, LeavesOutFoldersAndHiddenAndSystemFiles) {
    folder.AddFile(L"visible.jpg");
    folder.AddFile(L"readme");
    folder.AddFile(L"hidden.jpg", FILE_ATTRIBUTE_HIDDEN);
    folder.AddFile(L"system.jpg", FILE_ATTRIBUTE_SYSTEM);
    folder.AddFile(L"both.jpg", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    folder.AddFile(L"readonly.jpg", FILE_ATTRIBUTE_READONLY);
    folder.AddFolder(L"folder.jpg");
    folder.AddFolder(L"hidden folder.jpg", FILE_ATTRIBUTE_HIDDEN);

    const std::vector<std::wstring> expected = {L"readme", L"readonly.jpg", L"visible.jpg"};
    EXPECT_EQ(ListFiles(folder.Path(), L"*.*"), expected);
    EXPECT_EQ(ListFiles(folder.Path(), L"*.jpg"),
              (std::vector<std::wstring>{L"readonly.jpg", L"visible.jpg"}));
}

TEST_F(DirectoryReaderTest, ListsJapaneseAndNonBmpNamesExactly) {
    const std::vector<std::wstring> created = {
        L"\U0001F600.jpg", L"写真１０.jpg",       L"写真２.jpg", L"ﾃﾞｼﾞｶﾒ.jpg", L"旅行　写真.jpg",
        L"Ünïcödé.jpg",    L"\U00020BB7野家.jpg", L"img10.jpg",  L"IMG2.JPG"};
    for (const auto& name : created) {
        folder.AddFile(name);
    }
    const std::vector<std::wstring> expected = {
        L"IMG2.JPG",       L"img10.jpg",  L"Ünïcödé.jpg",    L"写真２.jpg",        L"写真１０.jpg",
        L"旅行　写真.jpg", L"ﾃﾞｼﾞｶﾒ.jpg", L"\U0001F600.jpg", L"\U00020BB7野家.jpg"};
    const std::vector<std::wstring> listed = ListFiles(folder.Path(), L"*.jpg;*.jpeg");
    ASSERT_EQ(listed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(listed[i], expected[i]) << "entry " << i << ": " << Printable(listed[i]);
    }
}

TEST_F(DirectoryReaderTest, AppliesThePatternsToRealFiles) {
    for (const wchar_t* name : {L"a.jpg", L"b.jpeg", L"c.JPG", L"d.jpe", L"e.html", L"f.htm", L"g",
                                L"h.mpeg", L"i.mpg", L"j.jpg.txt", L"k.Mp3"}) {
        folder.AddFile(name);
    }
    const struct {
        std::wstring patternText;
        std::vector<std::wstring> expected;
    } rows[] = {
        {L"*.jpg;*.jpeg", {L"a.jpg", L"b.jpeg", L"c.JPG"}},
        {L"*.htm", {L"f.htm"}},
        {L"*.htm;*.html", {L"e.html", L"f.htm"}},
        {L"*.mpg;*.mpeg", {L"h.mpeg", L"i.mpg"}},
        {L"*.mp3", {L"k.Mp3"}},
        {L"*.txt", {L"j.jpg.txt"}},
        {L"*.gif", {}},
        {L"?.jpg", {L"a.jpg", L"c.JPG"}},
        {L"*.*",
         {L"a.jpg", L"b.jpeg", L"c.JPG", L"d.jpe", L"e.html", L"f.htm", L"g", L"h.mpeg", L"i.mpg",
          L"j.jpg.txt", L"k.Mp3"}},
        {L"*",
         {L"a.jpg", L"b.jpeg", L"c.JPG", L"d.jpe", L"e.html", L"f.htm", L"g", L"h.mpeg", L"i.mpg",
          L"j.jpg.txt", L"k.Mp3"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Printable(row.patternText));
        EXPECT_EQ(ListFiles(folder.Path(), row.patternText), row.expected);
    }
}

TEST_F(DirectoryReaderTest, ListsManyFilesInNaturalOrder) {
    constexpr int kFiles = 1100;
    std::vector<int> numbers(kFiles);
    for (int i = 0; i < kFiles; ++i) numbers[static_cast<std::size_t>(i)] = i + 1;
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937{3});
    for (int number : numbers) {
        folder.AddFile(L"trip" + std::to_wstring(number) + (number % 3 == 0 ? L".jpeg" : L".jpg"));
    }

    const std::vector<std::wstring> listed = ListFiles(folder.Path(), L"*.jpg;*.jpeg");
    ASSERT_EQ(listed.size(), static_cast<std::size_t>(kFiles));
    for (int i = 0; i < kFiles; ++i) {
        const int number = i + 1;
        const std::wstring expected =
            L"trip" + std::to_wstring(number) + (number % 3 == 0 ? L".jpeg" : L".jpg");
        if (listed[static_cast<std::size_t>(i)] != expected) {
            ADD_FAILURE() << "entry " << i << " is "
                          << Printable(listed[static_cast<std::size_t>(i)]);
            break;
        }
    }
}

TEST_F(DirectoryReaderTest, AnEmptyFolderHasNoEntries) {
    EXPECT_TRUE(ReadDirectory(folder.Path()).empty());
    EXPECT_TRUE(ListFiles(folder.Path(), L"*.*").empty());
    EXPECT_TRUE(ListSubfolders(folder.Path()).empty());
}

TEST_F(DirectoryReaderTest, ListsVisibleSubfoldersInNaturalOrder) {
    folder.AddFolder(L"dir10");
    folder.AddFolder(L"dir2");
    folder.AddFolder(L"Dir1");
    folder.AddFolder(L"写真");
    folder.AddFolder(L"hidden", FILE_ATTRIBUTE_HIDDEN);
    folder.AddFolder(L"system", FILE_ATTRIBUTE_SYSTEM);
    folder.AddFile(L"dir3");
    const std::vector<std::wstring> expected = {L"Dir1", L"dir2", L"dir10", L"写真"};
    EXPECT_EQ(ListSubfolders(folder.Path()), expected);
}

TEST_F(DirectoryReaderTest, ReadsTheRootOfTheSystemDrive) {
    wchar_t windows[MAX_PATH + 1] = {};
    ASSERT_GT(::GetWindowsDirectoryW(windows, MAX_PATH + 1), 2u);
    const std::wstring root{windows[0], L':', L'\\'};
    const std::vector<DirectoryEntry> entries = ReadDirectory(root);
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](const DirectoryEntry& e) {
        return e.isDirectory && ::lstrcmpiW(e.name.c_str(), L"windows") == 0;
    }));
    EXPECT_TRUE(std::none_of(entries.begin(), entries.end(), [](const DirectoryEntry& e) {
        return e.name == L"." || e.name == L"..";
    }));
}

TEST_F(DirectoryReaderTest, AFolderThatCannotBeOpenedThrows) {
    const std::wstring file = folder.AddFile(L"plain.txt");
    const wchar_t unused = UnusedDriveLetter();
    ASSERT_NE(unused, 0);
    const std::wstring rows[] = {
        JoinFolder(folder.Path(), L"missing"),
        JoinFolder(folder.Path(), L"missing\\deeper"),
        file,
        std::wstring{unused, L':', L'\\'},
    };
    for (const auto& path : rows) {
        SCOPED_TRACE(Printable(path));
        EXPECT_THROW(ReadDirectory(path), ControlError);
        EXPECT_THROW(ListFiles(path, L"*.*"), ControlError);
        EXPECT_THROW(ListSubfolders(path), ControlError);
    }
}

TEST_F(DirectoryReaderTest, TheErrorCarriesTheSystemsCode) {
    try {
        ReadDirectory(JoinFolder(folder.Path(), L"missing"));
        ADD_FAILURE() << "no ControlError";
    } catch (const ControlError& error) {
        EXPECT_EQ(error.SystemError(), static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
    }
}

}  // namespace
}  // namespace numora
