// Presses of 連番化 as the user makes them: the files on disk, the refreshed
// file list, the counter in Text2; and the extension box that chooses the
// listed files.
#include "numora_test.h"

namespace numora::e2e {
namespace {

using Files = std::map<std::wstring, std::wstring>;  // name on disk -> its original name

// The listed files renamed in list order, until a name that is taken: that
// file is not replaced, and the run stops there.
TEST_F(NumoraTest, RenamesTheListedFilesUntilANameIsTakenAndShowsTheFolderAsItHasBecome) {
    for (const auto* name : {L"a.jpg", L"b.jpeg", L"c.jpg", L"trip003.jpg", L"notes.txt"})
        folder_.AddFile(name);
    Start().TypeInto(IDC_TEXT1_BASE_NAME, L"trip");
    PostClick(Control(IDC_COMMAND1_RUN));
    EXPECT_TRUE(ItemsBecome(Control(IDC_FILE1_FILES),
                            {L"c.jpg", L"trip001.jpg", L"trip002.jpg", L"trip003.jpg"}));
    EXPECT_EQ(TextOf(Control(IDC_TEXT2_COUNTER)), L"3");
    EXPECT_EQ(folder_.Files(), (Files{{L"c.jpg", L"c.jpg"},
                                      {L"notes.txt", L"notes.txt"},
                                      {L"trip001.jpg", L"a.jpg"},
                                      {L"trip002.jpg", L"b.jpeg"},
                                      {L"trip003.jpg", L"trip003.jpg"}}));
}

TEST_F(NumoraTest, AnEmptyListIsToldInAModalBoxAndNothingIsRenamed) {
    folder_.AddFile(L"notes.txt");
    Start();
    PostClick(Control(IDC_COMMAND1_RUN));
    const MessageBoxView box = WaitForMessageBox(App().ProcessId());
    EXPECT_EQ(box.title, L"Numora Kelpo");
    EXPECT_EQ(box.texts, std::vector<std::wstring>{L"ファイルがありません。"});
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(box.hasIcon);
    EXPECT_FALSE(IsWindowEnabled(App().Form1())) << "the box is not modal";
    PressOk(box);
    EXPECT_TRUE(TextBecomes(Control(IDC_TEXT2_COUNTER), L"0"));
    EXPECT_EQ(folder_.Files(), (Files{{L"notes.txt", L"notes.txt"}}));
}

// The case button by click and by Enter; a choice sets the filter and resets
// the case button; typing sets no filter.
TEST_F(NumoraTest, TheExtensionBoxChoosesWhichFilesAreListed) {
    for (const auto* name : {L"a.gif", L"c.jpg", L"h.htm", L"k.html"}) folder_.AddFile(name);
    Start();
    HWND file1 = Control(IDC_FILE1_FILES), combo1 = Control(IDC_COMBO1_EXTENSION),
         command2 = Control(IDC_COMMAND2_CASE);
    App().FocusByClick(command2);
    EXPECT_TRUE(TextBecomes(combo1, L"JPG"));
    EXPECT_TRUE(TextBecomes(command2, L"a"));
    // Focused by the click, not by Tab, the button is no default one: the
    // dialog keys report Enter as IDOK, which must still press it.
    PressKey(VK_RETURN);
    EXPECT_TRUE(TextBecomes(command2, L"A"));
    App().ChooseByMouse(IDC_COMBO1_EXTENSION, L"htm");
    EXPECT_TRUE(ItemsBecome(file1, {L"h.htm", L"k.html"}));
    PostClick(command2);
    EXPECT_TRUE(TextBecomes(command2, L"a"));
    App().ChooseByMouse(IDC_COMBO1_EXTENSION, L"gif");
    EXPECT_TRUE(ItemsBecome(file1, {L"a.gif"}));
    EXPECT_EQ(TextOf(command2), L"A");
    App().TypeInto(IDC_COMBO1_EXTENSION, L"jpg");
    SyncWith(App().Form1());
    EXPECT_EQ(ItemsOf(file1), std::vector<std::wstring>{L"a.gif"});
}

}  // namespace
}  // namespace numora::e2e
