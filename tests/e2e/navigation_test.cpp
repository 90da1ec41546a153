// Moving between folders and drives: the file list always shows the folder
// that the folder list shows, and failures are told, not fatal.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "driver/driver_error.h"
#include "driver/drop_down_choice.h"
#include "driver/folder_rows.h"
#include "driver/message_boxes.h"
#include "driver/poll.h"
#include "driver/screenshot.h"
#include "driver/text_entry.h"
#include "driver/user_input.h"
#include "driver/window_query.h"
#include "driver/wine_path.h"
#include "numora_test.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

// A file of the suite's own at the root of a drive, removed at the end.
class RootFile {
  public:
    explicit RootFile(std::wstring path) : path_(std::move(path)) {
        std::ofstream out{std::filesystem::path(path_)};
        out << "e2e";
        if (!out) {
            throw DriverError("cannot create " + Narrow(path_));
        }
    }
    ~RootFile() {
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(path_), ignored);
    }
    RootFile(const RootFile&) = delete;
    RootFile& operator=(const RootFile&) = delete;

  private:
    std::wstring path_;
};

bool StartsWithDrive(const std::wstring& entry, wchar_t letter) {
    return entry.size() >= 2 && entry[0] == letter && entry[1] == L':' &&
           (entry.size() == 2 || entry.compare(2, 2, L" [") == 0);
}

std::wstring DriveEntry(HWND drive1, wchar_t letter) {
    for (const auto& entry : ComboBoxItems(drive1)) {
        if (StartsWithDrive(entry, letter)) {
            return entry;
        }
    }
    return {};
}

enum class OpenGesture { DoubleClick, Enter };

struct GestureCase {
    const char* name;
    OpenGesture gesture;
};

class FolderOpeningTest : public NumoraTest, public ::testing::WithParamInterface<GestureCase> {
  protected:
    void Open(const std::wstring& row) const {
        if (GetParam().gesture == OpenGesture::DoubleClick) {
            OpenFolderByDoubleClick(App(), row);
        } else {
            OpenFolderByEnter(App(), row);
        }
    }
};

TEST_P(FolderOpeningTest, FileListFollowsAndTheExtensionStateStays) {
    folder_.AddFiles({L"a.jpg", L"b.gif", L"sub\\c.jpg", L"sub\\d.jpeg", L"sub\\e.txt"});
    folder_.AddFolder(L"sub\\deeper");
    StartNumora();
    ASSERT_TRUE(ListBecomes(Control(IDC_FILE1), {L"a.jpg"}));
    PostClick(Control(IDC_COMMAND2));
    ASSERT_TRUE(TextBecomes(Control(IDC_COMBO1), L"JPG"));

    Open(L"sub");

    auto subRows = PathTreeRows(folder_.Path() + L"\\sub");
    subRows.push_back(L"deeper");
    EXPECT_TRUE(FolderRowsBecome(Control(IDC_DIR1), subRows));
    EXPECT_TRUE(ListBecomes(Control(IDC_FILE1), {L"c.jpg", L"d.jpeg"}));
    EXPECT_EQ(Describe(TextOf(Control(IDC_COMBO1))), Describe(L"JPG"));
    EXPECT_EQ(Describe(TextOf(Control(IDC_COMMAND2))), Describe(L"a"));

    // A run works in the folder that the lists show.
    TypeInto(App(), Control(IDC_TEXT1), L"s");
    PostClick(Control(IDC_COMMAND1));
    EXPECT_TRUE(ListBecomes(Control(IDC_FILE1), {L"s001.JPG", L"s002.JPG"}));
    SyncWith(App().Form1());
    EXPECT_EQ(Describe(FilesWithContent(L"sub")),
              Describe(std::map<std::wstring, std::wstring>{
                  {L"e.txt", L"e.txt"}, {L"s001.JPG", L"c.jpg"}, {L"s002.JPG", L"d.jpeg"}}));
    EXPECT_EQ(Describe(FilesWithContent()), Describe(std::map<std::wstring, std::wstring>{
                                                {L"a.jpg", L"a.jpg"}, {L"b.gif", L"b.gif"}}));

    // And back up to the start folder by its own row.
    const auto startRows = PathTreeRows(folder_.Path());
    Open(startRows.back());
    auto expectedRows = startRows;
    expectedRows.push_back(L"sub");
    EXPECT_TRUE(FolderRowsBecome(Control(IDC_DIR1), expectedRows));
    EXPECT_TRUE(ListBecomes(Control(IDC_FILE1), {L"a.jpg"}));
}

INSTANTIATE_TEST_SUITE_P(Gestures, FolderOpeningTest,
                         ::testing::Values(GestureCase{"DoubleClick", OpenGesture::DoubleClick},
                                           GestureCase{"Enter", OpenGesture::Enter}),
                         RowName{});

class NavigationTest : public NumoraTest {};

TEST_F(NavigationTest, EveryFileFilterFollowsIntoASubfolder) {
    folder_.AddFiles({L"a.jpg", L"sub\\img10.png", L"sub\\img2.gif", L"sub\\notes", L"sub\\Z.txt"});
    folder_.AddFolder(L"sub\\inner");
    StartNumora();
    ChooseByMouse(App(), Control(IDC_COMBO1), L"\u2200");
    ASSERT_TRUE(ListBecomes(Control(IDC_FILE1), {L"a.jpg"}));

    OpenFolderByDoubleClick(App(), L"sub");

    auto rows = PathTreeRows(folder_.Path() + L"\\sub");
    rows.push_back(L"inner");
    EXPECT_TRUE(FolderRowsBecome(Control(IDC_DIR1), rows));
    EXPECT_TRUE(ListBecomes(Control(IDC_FILE1), {L"img2.gif", L"img10.png", L"notes", L"Z.txt"}));
    EXPECT_EQ(Describe(TextOf(Control(IDC_COMBO1))), Describe(L"\u2200"));
    SaveWindowPicture(App().Form1(), L"form1-all-files-subfolder.bmp");
}

TEST_F(NavigationTest, FolderRemovedBehindTheListIsReportedAndTheListsStayConsistent) {
    folder_.AddFiles({L"a.jpg", L"b.jpg", L"gone\\x.jpg"});
    folder_.AddFolder(L"keep");
    StartNumora();
    ASSERT_TRUE(ListBecomes(Control(IDC_FILE1), {L"a.jpg", L"b.jpg"}));
    folder_.RemoveFolder(L"gone");

    OpenFolderByDoubleClick(App(), L"gone");

    const MessageBoxView box = WaitForMessageBox(App().ProcessId());
    SaveWindowPicture(box.window, L"message-folder-unreadable.bmp");
    EXPECT_EQ(Describe(box.title), Describe(L"Numora Kelpo"));
    EXPECT_EQ(Describe(box.texts),
              Describe(std::vector<std::wstring>{L"フォルダを読み込めません。"}));
    PressOk(box);
    SyncWith(App().Form1());
    EXPECT_FALSE(App().Process().HasEnded()) << "the program ended";
    ASSERT_TRUE(IsWindowVisible(App().Form1()));
    EXPECT_TRUE(DialogWindowsOf(App().ProcessId()).empty()) << DescribeDialogsOf(App().ProcessId());

    // "keep" is a row only while the folder list shows the start folder.
    const auto rows = FolderRows(Control(IDC_DIR1));
    const auto listed = ListBoxItems(Control(IDC_FILE1));
    if (std::find(rows.begin(), rows.end(), L"keep") != rows.end()) {
        const auto onDisk = folder_.Names();
        for (const auto& name : listed) {
            EXPECT_NE(std::find(onDisk.begin(), onDisk.end(), name), onDisk.end())
                << Narrow(name) << " is listed but not in the folder that Dir1 shows";
        }
    } else {
        EXPECT_TRUE(listed.empty())
            << "Dir1 shows the removed folder, yet File1 lists " << Describe(listed);
    }
}

TEST_F(NavigationTest, DriveNotReadyIsReportedOnceAndTheListsStay) {
    ASSERT_NE(GetLogicalDrives() & (1u << ('R' - 'A')), 0u)
        << "the Wine prefix has no drive r:; make it before Wine starts: "
           "ln -sfn /nonexistent/numora-missing-drive \"$WINEPREFIX/dosdevices/r:\"";
    folder_.AddFiles({L"a.jpg", L"b.jpg"});
    folder_.AddFolder(L"sub");
    StartNumora();
    HWND drive1 = Control(IDC_DRIVE1);
    const std::wstring notReady = DriveEntry(drive1, L'r');
    ASSERT_FALSE(notReady.empty())
        << "Drive1 does not list drive r: " << Describe(ComboBoxItems(drive1));
    ASSERT_TRUE(ListBecomes(Control(IDC_FILE1), {L"a.jpg", L"b.jpg"}));
    const std::wstring driveBefore = TextOf(drive1);
    const auto rowsBefore = FolderRows(Control(IDC_DIR1));

    ClickDropDownEntry(App(), drive1, notReady);

    const MessageBoxView box = WaitForMessageBox(App().ProcessId());
    SaveWindowPicture(box.window, L"message-drive-not-ready.bmp");
    EXPECT_EQ(Describe(box.title), Describe(L"Numora Kelpo"));
    EXPECT_EQ(Describe(box.texts),
              Describe(std::vector<std::wstring>{L"ドライブの準備ができていません。"}));
    EXPECT_EQ(Describe(box.buttons), Describe(std::vector<std::wstring>{L"OK"}));
    PressOk(box);

    EXPECT_TRUE(TextBecomes(drive1, driveBefore));
    SyncWith(App().Form1());
    EXPECT_TRUE(StaysTrueFor([&] { return DialogWindowsOf(App().ProcessId()).empty(); },
                             std::chrono::milliseconds(1000)))
        << "a second message: " << DescribeDialogsOf(App().ProcessId());
    EXPECT_EQ(Describe(FolderRows(Control(IDC_DIR1))), Describe(rowsBefore));
    EXPECT_EQ(Describe(ListBoxItems(Control(IDC_FILE1))),
              Describe(std::vector<std::wstring>{L"a.jpg", L"b.jpg"}));
    EXPECT_FALSE(App().Process().HasEnded());
}

TEST_F(NavigationTest, ReadyDriveMovesBothListsAndKeepsTheFilter) {
    const std::wstring stem = L"numora-e2e-" + std::to_wstring(GetCurrentProcessId());
    const RootFile gif(L"C:\\" + stem + L".gif");
    const RootFile jpg(L"C:\\" + stem + L".jpg");
    folder_.AddFiles({L"a.gif", L"b.jpg"});
    StartNumora();
    ChooseByMouse(App(), Control(IDC_COMBO1), L"gif");
    ASSERT_TRUE(ListBecomes(Control(IDC_FILE1), {L"a.gif"}));
    HWND drive1 = Control(IDC_DRIVE1);
    const std::wstring driveC = DriveEntry(drive1, L'c');
    ASSERT_FALSE(driveC.empty()) << Describe(ComboBoxItems(drive1));

    ChooseByMouse(App(), drive1, driveC);

    const auto isOnDriveC = [&] {
        const auto rows = FolderRows(Control(IDC_DIR1));
        return !rows.empty() && rows.front() == L"c:\\";
    };
    ASSERT_TRUE(PollUntil(isOnDriveC)) << "Dir1 rows " << Describe(FolderRows(Control(IDC_DIR1)));
    SyncWith(App().Form1());
    const auto listed = ListBoxItems(Control(IDC_FILE1));
    EXPECT_NE(std::find(listed.begin(), listed.end(), stem + L".gif"), listed.end())
        << Describe(listed);
    for (const auto& name : listed) {
        EXPECT_TRUE(name.size() > 4 && name.compare(name.size() - 4, 4, L".gif") == 0)
            << Narrow(name) << " does not match the gif filter";
    }
    EXPECT_EQ(Describe(TextOf(Control(IDC_COMBO1))), Describe(L"gif"));
    EXPECT_TRUE(DialogWindowsOf(App().ProcessId()).empty()) << DescribeDialogsOf(App().ProcessId());
}

}  // namespace
}  // namespace numora::e2e
