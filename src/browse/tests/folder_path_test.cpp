#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "browse/folder_path.h"
#include "listing_test_text.h"

namespace numora {

// Found by argument-dependent lookup, so they live beside FolderRow.
bool operator==(const FolderRow& a, const FolderRow& b) {
    return a.text == b.text && a.depth == b.depth && a.fullPath == b.fullPath &&
           a.isCurrent == b.isCurrent;
}

void PrintTo(const FolderRow& row, std::ostream* out) {
    *out << "{" << testing::Printable(row.text) << ", " << row.depth << ", "
         << testing::Printable(row.fullPath) << (row.isCurrent ? ", current}" : "}");
}

namespace {

using testing::Printable;

TEST(DriveLetterOfTest, ReadsTheLeadingDriveInLowerCase) {
    const struct {
        std::wstring text;
        std::optional<wchar_t> expected;
    } rows[] = {
        {L"C:", L'c'},          {L"c: [SYSTEM]", L'c'}, {L"C:\\Photos", L'c'},
        {L"z:\\", L'z'},        {L"q: [写真]", L'q'},   {L"", std::nullopt},
        {L"c", std::nullopt},   {L"1:", std::nullopt},  {L"\\\\server\\share", std::nullopt},
        {L"Ｃ:", std::nullopt}, {L"c：", std::nullopt}, {L":c", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Printable(row.text));
        EXPECT_EQ(DriveLetterOf(row.text), row.expected);
    }
}

TEST(DriveDisplayTextTest, ShowsTheLabelInBrackets) {
    const struct {
        wchar_t letter;
        std::wstring label;
        std::wstring expected;
    } rows[] = {
        {L'c', L"SYSTEM", L"c: [SYSTEM]"},
        {L'C', L"SYSTEM", L"c: [SYSTEM]"},
        {L'c', L"", L"c:"},
        {L'D', L"", L"d:"},
        {L'e', L"写真　2001", L"e: [写真　2001]"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Printable(row.expected));
        const std::wstring text = DriveDisplayText(row.letter, row.label);
        EXPECT_EQ(text, row.expected);
        EXPECT_EQ(DriveLetterOf(text), row.expected[0]);
    }
}

TEST(NormalizeFolderPathTest, GivesTheFolderListsForm) {
    const struct {
        std::wstring path;
        std::wstring expected;
    } rows[] = {
        {L"C:\\", L"c:\\"},
        {L"c:\\", L"c:\\"},
        {L"C:", L"c:\\"},
        {L"C:\\\\", L"c:\\"},
        {L"C:\\Photos\\", L"c:\\Photos"},
        {L"c:\\Photos", L"c:\\Photos"},
        {L"D:\\A\\B\\\\", L"d:\\A\\B"},
        {L"q:\\写真\\2001年", L"q:\\写真\\2001年"},
        {L"Z:\\Mixed Case\\", L"z:\\Mixed Case"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Printable(row.path));
        const std::wstring normalized = NormalizeFolderPath(row.path);
        EXPECT_EQ(normalized, row.expected);
        EXPECT_EQ(NormalizeFolderPath(normalized), normalized) << "must be stable";
    }
}

TEST(JoinFolderTest, PutsOneBackslashBetween) {
    const struct {
        std::wstring folder;
        std::wstring name;
        std::wstring expected;
    } rows[] = {
        {L"c:\\", L"a", L"c:\\a"},
        {L"c:\\a", L"b", L"c:\\a\\b"},
        {L"q:\\写真", L"２００１", L"q:\\写真\\２００１"},
        {L"c:\\a", L"*", L"c:\\a\\*"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Printable(row.expected));
        EXPECT_EQ(JoinFolder(row.folder, row.name), row.expected);
    }
}

struct RowsCase {
    std::wstring path;
    std::vector<std::wstring> subfolders;
    std::vector<FolderRow> expected;
};

TEST(FolderTreeRowsTest, ShowsTheAncestorsThenTheSubfolders) {
    const RowsCase cases[] = {
        {L"c:\\", {}, {{L"c:\\", 0, L"c:\\", true}}},
        {L"c:\\",
         {L"Program Files", L"Users"},
         {{L"c:\\", 0, L"c:\\", true},
          {L"Program Files", 1, L"c:\\Program Files", false},
          {L"Users", 1, L"c:\\Users", false}}},
        {L"d:\\Photos", {}, {{L"d:\\", 0, L"d:\\", false}, {L"Photos", 1, L"d:\\Photos", true}}},
        {L"c:\\Users\\写真",
         {L"2001", L"2002"},
         {{L"c:\\", 0, L"c:\\", false},
          {L"Users", 1, L"c:\\Users", false},
          {L"写真", 2, L"c:\\Users\\写真", true},
          {L"2001", 3, L"c:\\Users\\写真\\2001", false},
          {L"2002", 3, L"c:\\Users\\写真\\2002", false}}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(Printable(row.path));
        EXPECT_EQ(FolderTreeRows(row.path, row.subfolders), row.expected);
    }
}

TEST(FolderTreeRowsTest, EveryRowOpensItsOwnFolder) {
    const std::wstring paths[] = {L"c:\\", L"c:\\a", L"c:\\a\\b\\c", L"e:\\写真\\旅行　2001"};
    for (const auto& path : paths) {
        SCOPED_TRACE(Printable(path));
        const std::vector<FolderRow> rows = FolderTreeRows(path, {L"x"});
        int currentRows = 0;
        for (const FolderRow& row : rows) {
            currentRows += row.isCurrent ? 1 : 0;
            EXPECT_EQ(NormalizeFolderPath(row.fullPath), row.fullPath);
            if (row.depth > 0) {
                EXPECT_EQ(row.fullPath.substr(row.fullPath.size() - row.text.size()), row.text);
            }
            if (row.isCurrent) {
                EXPECT_EQ(row.fullPath, path);
            }
        }
        EXPECT_EQ(currentRows, 1);
        EXPECT_EQ(rows.back().fullPath, JoinFolder(path, L"x"));
    }
}

}  // namespace
}  // namespace numora
