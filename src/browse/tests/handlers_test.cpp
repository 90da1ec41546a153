// What the real window cannot show of the handlers: a caption of neither case,
// and failures where they are rare.
// (The rest, through the real main window: the screens test.)
#include "browse/handlers.h"

#include <gtest/gtest.h>

#include "support/fake_controls.h"

namespace numora {
using fakes::Log;
namespace {

class HandlersTest : public ::testing::Test, protected fakes::FakeControls {};

// A caption of neither case changes nothing; a failed write ends the press
// silently, and what was written stays.
TEST_F(HandlersTest, TheCaseButtonOfAnotherCaptionOrFailingToWrite) {
    command2.text = L"x";
    combo1.text = L"jpg";
    Command2_Click(command2, combo1, *this);
    EXPECT_EQ(combo1.text + L"|" + command2.text, L"jpg|x");
    command2.text = L"a";
    calls.failOn = L"Command2.SetText";
    Command2_Click(command2, combo1, *this);
    EXPECT_EQ(combo1.text + L"|" + command2.text, L"lower jpg|a");
}

// An unready drive whose folder list's drive has gone too is told once; the
// lists keep what they showed.
TEST_F(HandlersTest, ADriveThatCannotBePutBackIsToldOnce) {
    lists.drive = L"r:";
    calls.failOn = L"Drive1.SetDrive";
    Drive1_Change(lists, lists, *this);
    EXPECT_EQ(log, (Log{L"beep and box=ドライブの準備ができていません。"}));
}

// A refresh after a run, in a folder gone since: the file list is emptied and the user told.
TEST_F(HandlersTest, ARefreshInAFolderGoneEmptiesTheFileList) {
    file1.path = L"c:\\gone";
    file1.entries = {L"a.jpg"};
    RefreshFileList(file1, *this);
    EXPECT_EQ(log,
              (Log{L"File1.Refresh", L"File1.Clear", L"beep and box=フォルダを読み込めません。"}));
}

}  // namespace
}  // namespace numora
