#include "shell/folder_list_win32.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "browse/control_error.h"
#include "browse/directory_reader.h"
#include "shell/form1_layout.h"
#include "test_window.h"

namespace numora {
namespace {

using testing_support::TempFolder;
using testing_support::TestParent;

std::vector<std::wstring> Rows(HWND list) {
    std::vector<std::wstring> rows;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        rows.push_back(text);
    }
    return rows;
}

std::wstring SelectedRow(HWND list) {
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) {
        return L"(none)";
    }
    return Rows(list).at(static_cast<std::size_t>(selected));
}

class FolderListWin32Test : public ::testing::Test {
  protected:
    FolderListWin32Test() {
        folder.AddFolder(L"beta");
        folder.AddFolder(L"alpha");
        folder.AddFolder(L"\u5199\u771f");
        folder.AddFolder(L"beta\\inner");
        folder.AddFile(L"file.jpg");  // files are no rows
        list.emplace(handle, folder.Path());
        list->SetChangeCallback([this] { changes.push_back(list->Path()); });
    }

    TestParent parent;
    TempFolder folder;
    const std::wstring root = ResolveOpenableFolder(folder.Path());
    HWND handle = parent.Create(kForm1Controls[1]);
    std::optional<FolderListWin32> list;
    std::vector<std::wstring> changes;
};

TEST_F(FolderListWin32Test, ShowsTheStartFolderWithItsSubfoldersQuietly) {
    EXPECT_EQ(list->Path(), root);
    const std::vector<std::wstring> rows = Rows(handle);
    ASSERT_GE(rows.size(), 5u);
    EXPECT_EQ(rows.front(), root.substr(0, 3)) << "the drive's root first";
    const std::vector<std::wstring> last(rows.end() - 3, rows.end());
    EXPECT_EQ(last, (std::vector<std::wstring>{L"alpha", L"beta", L"\u5199\u771f"}));
    EXPECT_EQ(SelectedRow(handle), root.substr(root.rfind(L'\\') + 1)) << "the current folder";
    EXPECT_TRUE(changes.empty()) << "showing the start folder is no change";
}

TEST_F(FolderListWin32Test, EveryChangeOfPathNotifiesOnceAfterTheRowsAreShown) {
    struct Row {
        std::wstring request;
        std::wstring expectedPath;
        bool notifies;
        std::wstring selectedRow;
    };
    const Row rows[] = {
        {root + L"\\beta", root + L"\\beta", true, L"beta"},
        {root + L"\\beta", root + L"\\beta", false, L"beta"},    // the same path again
        {root + L"\\beta\\", root + L"\\beta", false, L"beta"},  // spelled with a backslash
        {root + L"\\beta\\inner", root + L"\\beta\\inner", true, L"inner"},
        {root, root, true, root.substr(root.rfind(L'\\') + 1)},
    };
    std::size_t expectedChanges = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.request.begin(), row.request.end()));
        list->SetPath(row.request);
        EXPECT_EQ(list->Path(), row.expectedPath);
        expectedChanges += row.notifies ? 1 : 0;
        ASSERT_EQ(changes.size(), expectedChanges);
        if (row.notifies) {
            EXPECT_EQ(changes.back(), row.expectedPath) << "the path is new when it notifies";
        }
        EXPECT_EQ(SelectedRow(handle), row.selectedRow);
    }
}

TEST_F(FolderListWin32Test, AFolderThatCannotBeOpenedKeepsPathAndRows) {
    const std::vector<std::wstring> before = Rows(handle);
    EXPECT_THROW(list->SetPath(root + L"\\missing"), ControlError);
    EXPECT_EQ(list->Path(), root);
    EXPECT_EQ(Rows(handle), before);
    EXPECT_TRUE(changes.empty());
}

TEST_F(FolderListWin32Test, TheSelectedRowNamesTheFolderItOpens) {
    const std::vector<std::wstring> rows = Rows(handle);
    SendMessageW(handle, LB_SETCURSEL, rows.size() - 2, 0);  // "beta"
    EXPECT_EQ(list->SelectedRowFolder(), root + L"\\beta");
    SendMessageW(handle, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(list->SelectedRowFolder(), root.substr(0, 3));
    SendMessageW(handle, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_FALSE(list->SelectedRowFolder().has_value());
    EXPECT_TRUE(changes.empty()) << "selecting a row opens nothing";
}

TEST_F(FolderListWin32Test, EnterOnTheListReportsAnOpenLikeADoubleClick) {
    MSG enter{handle, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    const LRESULT code =
        SendMessageW(handle, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter));
    EXPECT_NE(code & DLGC_WANTALLKEYS, 0) << "the dialog keys must leave Enter to the list";
    MSG tab{handle, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    const LRESULT tabCode =
        SendMessageW(handle, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(tabCode & DLGC_WANTALLKEYS, 0) << "Tab still moves the focus on";

    parent.commands.clear();
    SendMessageW(handle, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].id, kForm1Controls[1].id);
    EXPECT_EQ(parent.commands[0].code, LBN_DBLCLK);
    EXPECT_TRUE(changes.empty()) << "the window, not the list, opens the folder";
}

}  // namespace
}  // namespace numora
