#include "rename/move_file_renamer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace numora {
namespace {

using Files = std::map<std::wstring, std::wstring>;

// What the run relies on: a taken or missing name fails and changes nothing.
TEST(MoveFileRenameTest, RenamesButNeverReplaces) {
    struct Row {
        const char* label;
        std::wstring from;
        std::wstring to;
        bool succeeds;
        DWORD error;
        Files after;
    };
    const Row rows[] = {
        {"free name",
         L"a.jpg",
         L"trip001.jpg",
         true,
         0,
         {{L"b.jpg", L"b.jpg"}, {L"trip001.jpg", L"a.jpg"}}},
        {"taken name",
         L"a.jpg",
         L"b.jpg",
         false,
         ERROR_ALREADY_EXISTS,
         {{L"a.jpg", L"a.jpg"}, {L"b.jpg", L"b.jpg"}}},
        {"taken in another case",
         L"a.jpg",
         L"B.JPG",
         false,
         ERROR_ALREADY_EXISTS,
         {{L"a.jpg", L"a.jpg"}, {L"b.jpg", L"b.jpg"}}},
        {"missing file",
         L"gone.jpg",
         L"c.jpg",
         false,
         ERROR_FILE_NOT_FOUND,
         {{L"a.jpg", L"a.jpg"}, {L"b.jpg", L"b.jpg"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const test_support::TempFolder folder;
        folder.AddFile(L"a.jpg");
        folder.AddFile(L"b.jpg");
        const RenameOutcome outcome =
            MoveFileRename(folder.FullName(row.from), folder.FullName(row.to));
        EXPECT_EQ(outcome.succeeded, row.succeeds);
        EXPECT_EQ(outcome.errorCode, row.error);
        EXPECT_EQ(folder.Files(), row.after);
    }
}

}  // namespace
}  // namespace numora
