#include "browse/folder_path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numora {
namespace {

TEST(FolderPathTest, DriveLettersAndTheFolderListsForm) {
    const std::vector<std::pair<std::wstring, std::optional<wchar_t>>> letters = {
        {L"C:", L'c'},          {L"c: [SYSTEM]", L'c'}, {L"C:\\Photos", L'c'},
        {L"", std::nullopt},    {L"1:", std::nullopt},  {L"\\\\server\\share", std::nullopt},
        {L"Ｃ:", std::nullopt}, {L"c：", std::nullopt},
    };
    for (const auto& [text, letter] : letters) {
        EXPECT_EQ(DriveLetterOf(text), letter) << ::testing::PrintToString(text);
    }
    const std::vector<std::pair<std::wstring, std::wstring>> paths = {
        {L"C:\\", L"c:\\"},
        {L"C:", L"c:\\"},
        {L"C:\\\\", L"c:\\"},
        {L"C:\\Photos\\", L"c:\\Photos"},
        {L"D:\\A\\B\\\\", L"d:\\A\\B"},
        {L"q:\\写真\\2001年", L"q:\\写真\\2001年"},
    };
    for (const auto& [path, normalized] : paths) {
        EXPECT_EQ(NormalizeFolderPath(path), normalized) << ::testing::PrintToString(path);
    }
    EXPECT_EQ(JoinFolder(L"c:\\", L"a"), L"c:\\a");
    EXPECT_EQ(JoinFolder(L"c:\\a", L"b"), L"c:\\a\\b");
}

// "text depth path" for each row, the current one marked with "*".
std::vector<std::wstring> Describe(const std::vector<FolderRow>& rows) {
    std::vector<std::wstring> described;
    for (const FolderRow& row : rows) {
        described.push_back(row.text + L" " + std::to_wstring(row.depth) + L" " + row.fullPath +
                            (row.isCurrent ? L" *" : L""));
    }
    return described;
}

TEST(FolderPathTest, TreeRowsShowTheAncestorsThenTheSubfolders) {
    EXPECT_EQ(Describe(FolderTreeRows(L"c:\\", {L"Users"})),
              (std::vector<std::wstring>{L"c:\\ 0 c:\\ *", L"Users 1 c:\\Users"}));
    EXPECT_EQ(Describe(FolderTreeRows(L"c:\\Users\\写真", {L"2001", L"2002"})),
              (std::vector<std::wstring>{
                  L"c:\\ 0 c:\\", L"Users 1 c:\\Users", L"写真 2 c:\\Users\\写真 *",
                  L"2001 3 c:\\Users\\写真\\2001", L"2002 3 c:\\Users\\写真\\2002"}));
}

TEST(FolderPathTest, DriveEntriesReadTheLabelsOfFixedDrivesOnly) {
    std::wstring asked;
    const std::uint32_t present = 1u << 2 | 1u << 3 | 1u << 17 | 1u << 25;  // c: d: r: z:
    const std::vector<std::wstring> entries = DriveEntries(
        present, [](wchar_t letter) { return letter == L'c' || letter == L'z'; },
        [&](wchar_t letter) {
            asked += letter;
            return letter == L'c' ? std::wstring(L"SYSTEM") : std::wstring();
        });
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"c: [SYSTEM]", L"d:", L"r:", L"z:"}));
    EXPECT_EQ(asked, L"cz") << "a drive that is not fixed may keep the list waiting";
}

}  // namespace
}  // namespace numora
