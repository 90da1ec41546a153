#include "browse/folder_path.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

// The root "c:\" in lower case, other folders without a trailing backslash.
TEST(FolderPathTest, PathsTakeTheFolderListsForm) {
    for (const auto& [path, normalized] : {std::pair{L"C:", L"c:\\"},
                                           {L"C:\\\\", L"c:\\"},
                                           {L"D:\\A\\B\\", L"d:\\A\\B"},
                                           {L"a:", L"a:\\"},
                                           {L"Z:\\Y\\", L"z:\\Y"}}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(path)));
        EXPECT_EQ(NormalizeFolderPath(path), normalized);
    }
}

TEST(FolderPathTest, TreeRowsShowTheAncestorsThenTheSubfolders) {
    std::vector<std::wstring> described;
    for (const FolderRow& row : FolderTreeRows(L"c:\\Users\\写真", {L"2001"})) {
        described.push_back(row.text + L" " + std::to_wstring(row.depth) + L" " + row.fullPath +
                            (row.isCurrent ? L" *" : L""));
    }
    EXPECT_EQ(described, (std::vector<std::wstring>{L"c:\\ 0 c:\\", L"Users 1 c:\\Users",
                                                    L"写真 2 c:\\Users\\写真 *",
                                                    L"2001 3 c:\\Users\\写真\\2001"}));
}

TEST(FolderPathTest, DriveEntriesReadTheLabelsOfFixedDrivesOnly) {
    std::wstring asked;
    const std::uint32_t present = 1u | 1u << 2 | 1u << 3 | 1u << 17 | 1u << 25;  // a: c: d: r: z:
    const std::vector<std::wstring> entries = DriveEntries(
        present, [](wchar_t letter) { return letter == L'c' || letter == L'z'; },
        [&](wchar_t letter) { return asked += letter, letter == L'c' ? L"SYSTEM" : L""; });
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"a:", L"c: [SYSTEM]", L"d:", L"r:", L"z:"}));
    EXPECT_EQ(asked, L"cz") << "a drive that is not fixed may keep the list waiting";
}

}  // namespace
}  // namespace numora
