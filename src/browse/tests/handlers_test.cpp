// What the real window cannot show of the handlers: an extension list in
// another order, a caption of neither case, and failures where they are rare.
// (The rest, through the real main window: the screens test.)
#include "browse/handlers.h"

#include <gtest/gtest.h>

#include "support/fake_controls.h"

namespace numora {
using fakes::Log;
namespace {

class HandlersTest : public ::testing::Test, protected fakes::FakeControls {};

// The position decides, not the entry's text; a text of no entry keeps the
// pattern; either way the case button is reset.
TEST_F(HandlersTest, AChoiceSetsThePatternOfItsPositionAndResetsTheCaseButton) {
    for (const ExtensionEntry& entry : kExtensionEntries) combo1.items.emplace_back(entry.Entry);
    std::swap(combo1.items[0], combo1.items[1]);
    for (const auto& [text, last] :
         {std::pair{L"gif", L"File1.Pattern=*.jpg;*.jpeg"}, {L"JPG", L"Command2=A"}}) {
        combo1.text = text;
        command2.text = L"a";
        log.clear();
        Combo1_Click(combo1, command2, file1, *this);
        EXPECT_EQ(log.front(), L"Command2=A");
        EXPECT_EQ(log.back(), last);
    }
}

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
