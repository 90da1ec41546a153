// Moving between folders and drives: the file list always shows the folder
// that the folder list shows, and a failure is told, not fatal.
#include "numora_test.h"

namespace numora::e2e {
namespace {

// Opened by double-click and back by Enter: the file list follows.
TEST_F(NumoraTest, TheFileListFollowsAFolderOpenedByDoubleClickOrEnter) {
    for (const auto* name : {L"a.jpg", L"sub\\c.jpg", L"sub\\d.jpeg", L"sub\\e.txt"})
        folder_.AddFile(name);
    folder_.AddFolder(L"sub\\deeper");
    Start();
    auto rows = ItemsOf(Control(IDC_DIR1_FOLDERS));  // the start folder's, then "sub"
    App().OpenFolder(L"sub", false);
    rows.push_back(L"deeper");
    EXPECT_TRUE(ItemsBecome(Control(IDC_DIR1_FOLDERS), rows));
    EXPECT_TRUE(ItemsBecome(Control(IDC_FILE1_FILES), {L"c.jpg", L"d.jpeg"}));
    App().OpenFolder(rows[rows.size() - 3], true);  // the start folder's row
    EXPECT_TRUE(ItemsBecome(Control(IDC_FILE1_FILES), {L"a.jpg"}));
}

// (What is told: the handlers' own tests.)
TEST_F(NumoraTest, AFolderRemovedBehindTheListIsToldAndTheListsStayTogether) {
    folder_.AddFile(L"a.jpg");
    folder_.AddFile(L"gone\\x.jpg");
    Start();
    std::filesystem::remove_all(folder_.FullName(L"gone"));
    App().OpenFolder(L"gone", false);
    PressOk(WaitForMessageBox(App().ProcessId()));
    SyncWith(App().Form1());
    EXPECT_EQ(ItemsOf(Control(IDC_DIR1_FOLDERS)).back(), L"gone")
        << "the folder list stays where it was";
    EXPECT_EQ(ItemsOf(Control(IDC_FILE1_FILES)), std::vector<std::wstring>{L"a.jpg"});
}

// The unready drive is the prefix's r:, a link to a folder that is not there.
TEST_F(NumoraTest, AnUnreadyDriveIsToldOnceThenAnotherDriveCanBeChosen) {
    Start();
    HWND drive1 = Control(IDC_DRIVE1_DRIVES);
    const std::wstring before = TextOf(drive1);
    const auto rowsBefore = ItemsOf(Control(IDC_DIR1_FOLDERS));
    App().ChooseByMouse(IDC_DRIVE1_DRIVES, L"r:");
    PressOk(WaitForMessageBox(App().ProcessId()));
    EXPECT_TRUE(TextBecomes(drive1, before));
    EXPECT_EQ(ItemsOf(Control(IDC_DIR1_FOLDERS)), rowsBefore);

    App().ChooseByMouse(IDC_DRIVE1_DRIVES, L"c:");
    EXPECT_TRUE(
        Becomes([&] { return ItemsOf(Control(IDC_DIR1_FOLDERS)).front(); }, std::wstring(L"c:\\")));
}

}  // namespace
}  // namespace numora::e2e
