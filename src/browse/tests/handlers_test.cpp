#include "browse/handlers.h"

#include <gtest/gtest.h>

#include "support/fake_controls.h"

namespace numora {
using fakes::Log;
namespace {

class HandlersTest : public ::testing::Test, protected fakes::FakeControls {
  protected:
    HandlersTest() {
        for (const auto& entry : ExtensionEntries()) combo1.items.push_back(entry);
        lists.onChange = [this] { Dir1_Change(lists, file1, *this); };
    }
    const std::wstring unreadable = L"beep and box=フォルダを読み込めません。";
};

// The position decides, not the entry's text; a text of no entry keeps the
// pattern; either way the case button is reset.
TEST_F(HandlersTest, AChoiceSetsThePatternOfItsPositionAndResetsTheCaseButton) {
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

// Each entry's pattern lists the files of the entry's own extension, "∀" every file.
TEST(ExtensionTablesTest, EachEntrysPatternListsItsOwnExtension) {
    for (std::size_t position = 0; position < ExtensionEntries().size(); ++position) {
        const std::wstring& pattern = ExtensionPatterns().at(position);
        const std::wstring own = position + 1 < ExtensionEntries().size()
                                     ? L"*." + ExtensionEntries()[position]
                                     : L"*.*";
        EXPECT_TRUE(pattern == own || pattern.starts_with(own + L";")) << position;
    }
}

TEST_F(HandlersTest, TheCaseButtonFlipsTheTextAndItsOwnCaption) {
    // The caption, then the text and the caption after a press.
    for (const auto& [caption, after] :
         {std::pair{L"A", L"upper jpg|a"}, {L"a", L"lower jpg|A"}, {L"x", L"jpg|x"}}) {
        command2.text = caption;
        combo1.text = L"jpg";
        Command2_Click(command2, combo1, *this);
        EXPECT_EQ(combo1.text + L"|" + command2.text, after) << caption;
    }
    command2.text = L"a";
    calls.failOn = L"Command2.SetText";  // ends it silently; the text stays changed
    combo1.text = L"jpg";
    Command2_Click(command2, combo1, *this);
    EXPECT_EQ(combo1.text + L"|" + command2.text, L"lower jpg|a");
}

// A ready drive moves both lists and leaves the filter; an unready one is told
// once and the drive list shows the listed folder's drive again; when that
// cannot be done either, nothing more is said.
TEST_F(HandlersTest, ADriveChoiceMovesBothListsOrIsToldAndPutBack) {
    lists.folders[L"d:\\"] = {L"d.jpg"};
    lists.drive = L"d:";
    Drive1_Change(lists, lists, *this);
    EXPECT_EQ(log, (Log{L"Dir1=d:\\", L"File1=d:\\"}));
    EXPECT_EQ(file1.entries, std::vector<std::wstring>{L"d.jpg"});
    log.clear();
    lists.drive = L"r:";
    Drive1_Change(lists, lists, *this);
    EXPECT_EQ(log, (Log{L"beep and box=ドライブの準備ができていません。", L"Drive1=d:"}));
    EXPECT_EQ(lists.path, L"d:\\");
    log.clear();
    lists.drive = L"r:";
    calls.failOn = L"Drive1.SetDrive";
    Drive1_Change(lists, lists, *this);
    EXPECT_EQ(log, (Log{L"beep and box=ドライブの準備ができていません。"}));
    EXPECT_EQ(file1.entries, std::vector<std::wstring>{L"d.jpg"});
}

// A folder that cannot be opened is told and the folder list stays; one that
// opens but whose files cannot be read (or no longer, at the refresh after a
// run or at a choice of extension) empties the file list and is told.
TEST_F(HandlersTest, AFolderThatCannotBeReadIsTold) {
    OpenFolderInList(lists, L"c:\\nowhere", *this);
    OpenFolderInList(lists, L"c:\\gone", *this);
    RefreshFileList(file1, *this);
    EXPECT_EQ(log, (Log{unreadable, L"Dir1=c:\\gone", L"File1=c:\\gone", L"File1.Clear", unreadable,
                        L"File1.Refresh", L"File1.Clear", unreadable}));
    log.clear();
    combo1.text = L"gif";
    command2.text = L"a";
    Combo1_Click(combo1, command2, file1, *this);
    EXPECT_EQ(log, (Log{L"Command2=A", L"File1.Pattern=*.gif", L"File1.Clear", unreadable}));
    EXPECT_EQ(combo1.text, L"gif");
}

}  // namespace
}  // namespace numora
