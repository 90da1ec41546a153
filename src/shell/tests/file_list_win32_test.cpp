#include "shell/file_list_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/control_error.h"
#include "shell/form1_layout.h"
#include "test_window.h"

namespace numora {
namespace {

using testing_support::TempFolder;
using testing_support::TestParent;

std::vector<std::wstring> Entries(const FileList& list) {
    std::vector<std::wstring> names;
    for (std::int16_t index = 0; index < list.ListCount(); ++index) {
        names.push_back(list.List(index));
    }
    return names;
}

class FileListWin32Test : public ::testing::Test {
  protected:
    FileListWin32Test() {
        for (const wchar_t* name : {L"img10.jpg", L"img2.jpg", L"a.jpg", L"b.JPEG", L"c.gif",
                                    L"notes.txt", L"\u5199\u771f.jpg"}) {
            folder.AddFile(name);
        }
        folder.AddFolder(L"album.jpg");  // a folder is never listed
    }

    const ControlLayout& layout = kForm1Controls[7];
    TestParent parent;
    TempFolder folder;
    HWND handle = parent.Create(layout);
    FileListWin32 list{handle, std::wstring(kInitialFilePattern)};
};

TEST_F(FileListWin32Test, ListsTheFolderUnderEachPatternAtOnce) {
    ASSERT_EQ(layout.name, L"File1");
    struct Row {
        std::wstring pattern;
        std::vector<std::wstring> names;
    };
    const Row rows[] = {
        {L"*.jpg;*.jpeg", {L"a.jpg", L"b.JPEG", L"img2.jpg", L"img10.jpg", L"\u5199\u771f.jpg"}},
        {L"*.gif", {L"c.gif"}},
        {L"*.bmp", {}},
        {L"*.*",
         {L"a.jpg", L"b.JPEG", L"c.gif", L"img2.jpg", L"img10.jpg", L"notes.txt",
          L"\u5199\u771f.jpg"}},
    };
    list.SetPath(folder.Path());
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.pattern.begin(), row.pattern.end()));
        list.SetPattern(row.pattern);
        EXPECT_EQ(list.Pattern(), row.pattern);
        EXPECT_EQ(Entries(list), row.names);
    }
    EXPECT_EQ(list.Path(), folder.Path());
}

TEST_F(FileListWin32Test, RefreshShowsTheFolderAsItIsNow) {
    list.SetPath(folder.Path());
    ASSERT_EQ(list.ListCount(), 5);
    folder.AddFile(L"img1.jpg");
    ASSERT_NE(DeleteFileW(folder.Join(L"a.jpg").c_str()), FALSE);
    EXPECT_EQ(list.ListCount(), 5) << "nothing changes before the refresh";
    list.Refresh();
    EXPECT_EQ(Entries(list), (std::vector<std::wstring>{L"b.JPEG", L"img1.jpg", L"img2.jpg",
                                                        L"img10.jpg", L"\u5199\u771f.jpg"}));
}

TEST_F(FileListWin32Test, AnUnreadableFolderLeavesTheListEmpty) {
    list.SetPath(folder.Path());
    ASSERT_GT(list.ListCount(), 0);
    EXPECT_THROW(list.SetPath(folder.Join(L"missing")), ControlError);
    EXPECT_EQ(list.ListCount(), 0) << "never another folder's names";
    EXPECT_EQ(SendMessageW(handle, LB_GETCOUNT, 0, 0), 0);

    list.SetPath(folder.Path());
    ASSERT_GT(list.ListCount(), 0);
    const TempFolder doomed;
    list.SetPath(doomed.Path());
    EXPECT_EQ(list.ListCount(), 0);
    list.SetPath(folder.Path());
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
}

TEST_F(FileListWin32Test, EntriesOutsideTheListFail) {
    list.SetPath(folder.Path());
    const std::int16_t count = list.ListCount();
    EXPECT_THROW(list.List(count), ControlError);
    EXPECT_THROW(list.List(-1), ControlError);
    EXPECT_NO_THROW(list.List(static_cast<std::int16_t>(count - 1)));
}

TEST_F(FileListWin32Test, TheListIsDrawnAgainAfterAFill) {
    ShowWindow(parent.Handle(), SW_SHOWNOACTIVATE);
    list.SetPath(folder.Path());
    // Drawing was switched off during the fill and must be back on.
    EXPECT_NE(GetWindowLongW(handle, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_THROW(list.SetPath(folder.Join(L"missing")), ControlError);
    EXPECT_NE(GetWindowLongW(handle, GWL_STYLE) & WS_VISIBLE, 0) << "also after a failure";
}

}  // namespace
}  // namespace numora
