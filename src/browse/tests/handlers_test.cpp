#include <gtest/gtest.h>

#include "browse/extension_handlers.h"
#include "browse/navigation_handlers.h"
#include "support/fake_controls.h"

namespace numora {
namespace {

using namespace fakes;

class ExtensionHandlersTest : public ::testing::Test {
  protected:
    ExtensionHandlersTest() {
        for (const auto& entry : ExtensionEntries()) combo1.AddItem(entry);
    }
    Log log;
    FakeDisk disk;
    FakeCombo combo1{log, L"Combo1"};
    FakeText command2{log, L"Command2", L"a"};
    FakeFileList file1{log, disk};
};

TEST_F(ExtensionHandlersTest, EachEntrySetsThePatternOfItsPosition) {
    const std::vector<std::pair<std::wstring, std::wstring>> rows = {
        {L"jpg", L"*.jpg;*.jpeg"}, {L"gif", L"*.gif"},        {L"bmp", L"*.bmp"},
        {L"ico", L"*.ico"},        {L"txt", L"*.txt"},        {L"rm", L"*.rm"},
        {L"ram", L"*.ram"},        {L"mpg", L"*.mpg;*.mpeg"}, {L"avi", L"*.avi"},
        {L"mp3", L"*.mp3"},        {L"htm", L"*.htm;*.html"}, {L"∀", L"*.*"},
    };
    EXPECT_EQ(combo1.items.size(), rows.size());
    for (const auto& [entry, pattern] : rows) {
        log.clear();
        combo1.SetText(entry);
        Combo1_Click(combo1, command2, file1);
        EXPECT_EQ(log, (Log{L"Combo1=" + entry, L"Command2=A", L"File1.Pattern=" + pattern}));
    }
}

TEST_F(ExtensionHandlersTest, ATextOfNoEntryKeepsThePatternAndThePositionDecides) {
    combo1.SetText(L"JPG");
    log.clear();
    Combo1_Click(combo1, command2, file1);
    EXPECT_EQ(log, (Log{L"Command2=A"}));

    std::swap(combo1.items[0], combo1.items[1]);  // "gif" first, "jpg" second
    combo1.SetText(L"jpg");
    log.clear();
    Combo1_Click(combo1, command2, file1);
    EXPECT_EQ(log, (Log{L"Command2=A", L"File1.Pattern=*.gif"}));
}

// ASCII only; the real one is LCMapStringW.
struct AsciiCase : LetterCase {
    std::wstring Upper(const std::wstring& text) const override {
        std::wstring upper = text;
        for (auto& c : upper) c = (c >= L'a' && c <= L'z') ? c - 32 : c;
        return upper;
    }
    std::wstring Lower(const std::wstring& text) const override {
        std::wstring lower = text;
        for (auto& c : lower) c = (c >= L'A' && c <= L'Z') ? c + 32 : c;
        return lower;
    }
};

TEST_F(ExtensionHandlersTest, CaseButtonFlipsTheTextAndItsOwnCaption) {
    const struct {
        std::wstring caption, text, textAfter, captionAfter;
    } rows[] = {
        {L"A", L"Jpg", L"JPG", L"a"},
        {L"a", L"JPG", L"jpg", L"A"},
        {L"A", L"∀", L"∀", L"a"},
        {L"x", L"jpg", L"jpg", L"x"},
    };
    for (const auto& row : rows) {
        FakeText caption(log, L"Command2", row.caption);
        combo1.SetText(row.text);
        Command2_Click(caption, combo1, AsciiCase{});
        EXPECT_EQ(combo1.Text(), row.textAfter);
        EXPECT_EQ(caption.Text(), row.captionAfter);
    }
    // A failed write ends the handler silently; what was written stays.
    FakeText caption(log, L"Command2", L"A");
    caption.failWrites = true;
    combo1.SetText(L"jpg");
    EXPECT_NO_THROW(Command2_Click(caption, combo1, AsciiCase{}));
    EXPECT_EQ(combo1.Text(), L"JPG");
    EXPECT_EQ(caption.Text(), L"A");
}

class NavigationHandlersTest : public ::testing::Test {
  protected:
    NavigationHandlersTest() {
        disk.folders = {{L"c:\\p", {L"a.jpg"}}, {L"d:\\", {L"d.jpg"}}, {L"c:\\gone", {}}};
        disk.unreadable = {L"c:\\gone"};
        dir1.onChange = [this] { Dir1_Change(dir1, file1, notice); };
    }
    Log log;
    FakeDisk disk;
    FakeNotice notice{log};
    FakeFolderList dir1{log, disk, L"c:\\p"};
    FakeFileList file1{log, disk};
};

TEST_F(NavigationHandlersTest, AReadyDriveMovesBothLists) {
    FakeDriveList drive1(log, L"d:");
    Drive1_Change(drive1, dir1, notice);
    EXPECT_EQ(log, (Log{L"Dir1.Path=d:\\", L"File1.Path=d:\\", L"File1.Refresh"}));
    EXPECT_EQ(file1.entries, (std::vector<std::wstring>{L"d.jpg"}));
}

TEST_F(NavigationHandlersTest, ADriveNotReadyIsToldOnceAndTheDriveListPutBack) {
    FakeDriveList drive1(log, L"r:");
    Drive1_Change(drive1, dir1, notice);
    EXPECT_EQ(log, (Log{L"beep and box=ドライブの準備ができていません。", L"Drive1.Drive=c:"}));
    EXPECT_EQ(dir1.Path(), L"c:\\p");
}

TEST_F(NavigationHandlersTest, AFolderThatCannotBeReadEmptiesTheFileListAndIsTold) {
    file1.entries = {L"stale.jpg"};
    OpenFolderInList(dir1, L"c:\\gone", notice);
    EXPECT_EQ(log, (Log{L"Dir1.Path=c:\\gone", L"File1.Path=c:\\gone", L"File1.Refresh",
                        L"File1.Clear", L"beep and box=フォルダを読み込めません。"}));
    EXPECT_TRUE(file1.entries.empty());

    log.clear();
    OpenFolderInList(dir1, L"c:\\missing", notice);
    RefreshFileList(file1, notice);
    EXPECT_EQ(log, (Log{L"beep and box=フォルダを読み込めません。", L"File1.Refresh",
                        L"File1.Clear", L"beep and box=フォルダを読み込めません。"}));
}

}  // namespace
}  // namespace numora
