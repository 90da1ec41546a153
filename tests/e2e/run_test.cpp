// Presses of 連番化 as the user makes them: the files on disk, the refreshed
// file list, the counter in Text2; and a drive that is not ready.
#include <set>

#include "numora_test.h"

namespace numora::e2e {
namespace {

// The names of the files in a folder, as they are on disk.
std::set<std::wstring> FilesIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    for (const auto& file : std::filesystem::directory_iterator(folder))
        names.insert(file.path().filename().wstring());
    return names;
}

// The listed files renamed in list order, until a name that is taken: that
// file is not replaced, and the run stops there.
TEST_F(NumoraTest, RenamesTheListedFilesUntilANameIsTakenAndShowsTheFolderAsItHasBecome) {
    for (const auto* name : {L"a.jpg", L"b.jpeg", L"c.jpg", L"trip003.jpg", L"notes.txt"})
        folder_.AddFile(name);
    Start();
    Send(Control(IDC_TEXT1_BASE_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"trip"));
    PostClick(Control(IDC_COMMAND1_RUN));
    EXPECT_TRUE(Becomes(
        [&] { return ItemsOf(Control(IDC_FILE1_FILES)); },
        std::vector<std::wstring>{L"c.jpg", L"trip001.jpg", L"trip002.jpg", L"trip003.jpg"}));
    EXPECT_EQ(TextOf(Control(IDC_TEXT2_COUNTER)), L"3");
    EXPECT_EQ(FilesIn(folder_.Path()),
              (std::set<std::wstring>{L"c.jpg", L"notes.txt", L"trip001.jpg", L"trip002.jpg",
                                      L"trip003.jpg"}));
}

TEST_F(NumoraTest, AnEmptyListIsToldInAModalBoxAndNothingIsRenamed) {
    folder_.AddFile(L"notes.txt");
    Start();
    PostClick(Control(IDC_COMMAND1_RUN));
    const MessageBoxView box = WaitForMessageBox(ProcessId());
    EXPECT_EQ(box.title, L"Numora Kelpo");
    EXPECT_EQ(box.shown, (std::vector<std::wstring>{L"icon", L"OK", L"ファイルがありません。"}));
    EXPECT_FALSE(IsWindowEnabled(Form1())) << "the box is not modal";
    PressOk(box);
}

// With the keys on the closed drive list, the start folder's z: first: the
// prefix's r:, a link to a folder that is not there, is told once and the list
// put back; then c: can be chosen. (What is told: the handler's own test.)
TEST_F(NumoraTest, AnUnreadyDriveIsToldOnceThenAnotherDriveCanBeChosen) {
    Start();
    HWND drive1 = Control(IDC_DRIVE1_DRIVES), dir1 = Control(IDC_DIR1_FOLDERS);
    const std::wstring before = TextOf(drive1);
    const auto rowsBefore = ItemsOf(dir1);
    BringToFront(Form1());
    WaitUntil([&] { return Focus() == drive1; }, "the drive list had the focus");
    PressKey(VK_UP);
    PressOk(WaitForMessageBox(ProcessId()));
    EXPECT_TRUE(Becomes([&] { return TextOf(drive1); }, before));
    EXPECT_EQ(ItemsOf(dir1), rowsBefore);
    PressKey(VK_HOME);
    EXPECT_TRUE(Becomes([&] { return ItemsOf(dir1).front(); }, std::wstring(L"c:\\")));
}

}  // namespace
}  // namespace numora::e2e
