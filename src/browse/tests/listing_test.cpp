#include "browse/listing.h"

#include <shlwapi.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "browse/folder_path.h"
#include "temp_folder.h"
#include "win32/failure.h"

namespace numora {
namespace {

TEST(ListingTest, NamesComeInExplorersOrderWhateverOrderTheyArriveIn) {
    // Punctuation, digits, full-width forms and kana: where the platform's sort
    // keys, which put the names near their places first, and Explorer disagree.
    std::vector<std::wstring> names = {
        L"img10.jpg", L"img2.jpg", L"IMG1.jpg", L"Beta",  L"alpha", L"gamma", L"あ",
        L"ア",        L"い",       L"イ",       L"か",    L"ｶ",     L"カー",  L"カア",
        L"!a",        L"~a",       L"2",        L"11",    L"１２",  L"a-b",   L"a b",
        L"é",         L"e",        L"写真10",   L"写真9", L"x009",  L"x9"};
    std::vector<std::wstring> expected = names;
    std::sort(expected.begin(), expected.end(),
              [](const std::wstring& left, const std::wstring& right) {
                  const int logical = StrCmpLogicalW(left.c_str(), right.c_str());
                  return logical != 0 ? logical < 0 : left < right;
              });
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(names.begin(), names.end(), random);
        std::vector<std::wstring> shuffled = names;
        SortAsExplorer(shuffled);
        ASSERT_EQ(shuffled, expected) << "round " << round;
    }
}

TEST(ListingTest, TheFileListShowsMatchingPlainFilesAndTheFolderListVisibleFolders) {
    const tools::TempFolder folder;
    for (const auto* name : {L"b10.jpg", L"B2.JPG", L"a.jpeg", L"c.gif", L"h.jpg", L"s.jpg",
                             L"写真.jpg", L"\U00020BB7野家.JPG", L"a.jpg.txt", L"noext"})
        folder.AddFile(name);
    for (const auto* name : {L"dir.jpg", L"Sub10", L"sub9", L"hidden", L"system"})
        folder.AddFolder(name);
    for (const auto* name : {L"h.jpg", L"hidden"})
        SetFileAttributesW(folder.FullName(name).c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (const auto* name : {L"s.jpg", L"system"})
        SetFileAttributesW(folder.FullName(name).c_str(), FILE_ATTRIBUTE_SYSTEM);

    EXPECT_EQ(ListFiles(folder.Path(), L"*.jpg;*.jpeg", 9),
              (std::vector<std::wstring>{L"a.jpeg", L"B2.JPG", L"b10.jpg", L"写真.jpg",
                                         L"\U00020BB7野家.JPG"}));
    EXPECT_EQ(ListFiles(folder.Path(), L"*.jpg;*.jpeg", 2),
              (std::vector<std::wstring>{L"a.jpeg", L"B2.JPG"}))
        << "the first in order, up to the limit";
    EXPECT_EQ(ListSubfolders(folder.Path()),
              (std::vector<std::wstring>{L"dir.jpg", L"sub9", L"Sub10"}));
    EXPECT_THROW(ListFiles(folder.FullName(L"missing"), L"*.*", 9), Failure);
}

// Also in a folder deeper than MAX_PATH, where a file is renamed too.
TEST(ListingTest, OpeningGivesTheStoredSpellingAndADriveTextItsCurrentDirectoryHoweverLong) {
    const tools::TempFolder folder;
    folder.AddFolder(L"Mixed Case");
    folder.AddFile(L"file.jpg");
    EXPECT_THROW(ResolveOpenableFolder(folder.FullName(L"file.jpg")), Failure);
    EXPECT_EQ(ResolveOpenableFolder(folder.FullName(L"MIXED case\\")),
              NormalizeFolderPath(folder.FullName(L"Mixed Case")));

    std::wstring deep = folder.Path();
    while (deep.size() <= MAX_PATH)
        ASSERT_TRUE(CreateDirectoryW((deep += L"\\" + std::wstring(40, L'd')).c_str(), nullptr));
    const std::wstring previous = CurrentDirectory();
    ASSERT_TRUE(SetCurrentDirectoryW(deep.c_str()));
    EXPECT_EQ(CurrentDirectory(), deep);
    EXPECT_EQ(ResolveOpenableFolder(deep.substr(0, 2) + L" [LABEL]"), NormalizeFolderPath(deep));
    ASSERT_TRUE(CloseHandle(CreateFileW(FileSystemPath(deep + L"\\a.jpg").c_str(), GENERIC_WRITE, 0,
                                        nullptr, CREATE_NEW, 0, nullptr)));
    EXPECT_TRUE(RenameFileWin32(deep + L"\\a.jpg", deep + L"\\trip001.jpg"));
    EXPECT_EQ(ListFiles(deep, L"*.jpg", 9), std::vector<std::wstring>{L"trip001.jpg"});
    SetCurrentDirectoryW(previous.c_str());
}

}  // namespace
}  // namespace numora
