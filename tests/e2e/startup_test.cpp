// What the user sees at the first showing of the main window.
#include <windows.h>

#include <algorithm>

#include "driver/screenshot.h"
#include "driver/window_query.h"
#include "driver/wine_path.h"
#include "numora_test.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

const std::vector<std::wstring> kExtensionEntries = {L"jpg", L"gif", L"bmp", L"ico", L"txt", L"rm",
                                                     L"ram", L"mpg", L"avi", L"mp3", L"htm", L"∀"};
const std::vector<std::wstring> kDigitEntries = {L"１桁", L"２桁", L"３桁",
                                                 L"４桁", L"５桁", L"６桁"};

class StartupTest : public NumoraTest {
  protected:
    void SetUp() override {
        folder_.AddFiles({L"img10.jpg", L"img2.jpg", L"img1.jpeg", L"Beta.jpg", L"alpha.jpg",
                          L"notes.txt", L"pic.gif", L"movie.mpeg"});
        folder_.AddFolder(L"album.jpg");
        folder_.AddFolder(L"sub");
        StartNumora();
    }
};

TEST_F(StartupTest, CaptionsAndTextsAreThoseOfTheLayout) {
    struct Row {
        const char* name;
        HWND window;
        std::wstring text;
    };
    const Row rows[] = {
        {"Form1", App().Form1(), L"Numora"},
        {"Text1", Control(IDC_TEXT1), L""},
        {"Command1", Control(IDC_COMMAND1), L"連番化"},
        {"Command2", Control(IDC_COMMAND2), L"A"},
        {"Label1", Control(IDC_LABEL1), L"基本名"},
        {"Combo1", Control(IDC_COMBO1), L"jpg"},
        {"Combo2", Control(IDC_COMBO2), L"３桁"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Describe(TextOf(row.window)), Describe(row.text));
    }
    SaveWindowPicture(App().Form1(), L"form1-startup.bmp");
}

TEST_F(StartupTest, ChoiceListsHoldTheirEntriesInOrder) {
    EXPECT_EQ(Describe(ComboBoxItems(Control(IDC_COMBO1))), Describe(kExtensionEntries));
    EXPECT_EQ(Describe(ComboBoxItems(Control(IDC_COMBO2))), Describe(kDigitEntries));
}

TEST_F(StartupTest, FileListShowsTheStartFoldersJpegFilesInNaturalOrder) {
    // Folders are not files, whatever their names; the other kinds are filtered out.
    EXPECT_TRUE(ListBecomes(Control(IDC_FILE1),
                            {L"alpha.jpg", L"Beta.jpg", L"img1.jpeg", L"img2.jpg", L"img10.jpg"}));
}

TEST_F(StartupTest, FolderListShowsTheStartFolderAndItsSubfolders) {
    auto expected = PathTreeRows(folder_.Path());
    expected.insert(expected.end(), {L"album.jpg", L"sub"});
    EXPECT_TRUE(FolderRowsBecome(Control(IDC_DIR1), expected));
}

TEST_F(StartupTest, DriveListShowsTheStartFoldersDrive) {
    const std::wstring drive = TextOf(Control(IDC_DRIVE1));
    EXPECT_TRUE(drive == L"z:" || drive.rfind(L"z: [", 0) == 0) << Describe(drive);
    const auto drives = ComboBoxItems(Control(IDC_DRIVE1));
    EXPECT_NE(std::find(drives.begin(), drives.end(), drive), drives.end()) << Describe(drives);
    const bool listsDriveC = std::any_of(
        drives.begin(), drives.end(),
        [](const std::wstring& entry) { return entry == L"c:" || entry.rfind(L"c: [", 0) == 0; });
    EXPECT_TRUE(listsDriveC) << Describe(drives);
}

}  // namespace
}  // namespace numora::e2e
