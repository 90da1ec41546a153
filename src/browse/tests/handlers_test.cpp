#include <gtest/gtest.h>

#include "browse/extension_handlers.h"
#include "browse/navigation_handlers.h"
#include "support/fake_controls.h"

namespace numora {
namespace {

using namespace fakes;

class HandlersTest : public ::testing::Test {
  protected:
    HandlersTest() {
        for (const auto& entry : ExtensionEntries()) combo1.AddItem(entry);
        disk.folders = {{L"c:\\p", {L"a.jpg"}}, {L"c:\\gone", {}}};
        disk.unreadable = {L"c:\\gone"};
        dir1.onChange = [this] { Dir1_Change(dir1, file1, notice); };
    }
    Log log;
    FakeDisk disk;
    FakeCombo combo1{log, L"Combo1"};
    FakeText command2{log, L"Command2", L"a"};
    FakeNotice notice{log};
    FakeFolderList dir1{log, disk, L"c:\\p"};
    FakeFileList file1{log, disk};
};

TEST_F(HandlersTest, EachEntrySetsThePatternOfItsPositionAndResetsTheCaseButton) {
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"jpg", L"*.jpg;*.jpeg"}, {L"gif", L"*.gif"},        {L"bmp", L"*.bmp"},
        {L"ico", L"*.ico"},        {L"txt", L"*.txt"},        {L"rm", L"*.rm"},
        {L"ram", L"*.ram"},        {L"mpg", L"*.mpg;*.mpeg"}, {L"avi", L"*.avi"},
        {L"mp3", L"*.mp3"},        {L"htm", L"*.htm;*.html"}, {L"∀", L"*.*"},
        {L"JPG", nullptr},  // a text of no entry keeps the pattern
    };
    for (const auto& [entry, pattern] : rows) {
        combo1.SetText(entry);
        log.clear();
        Combo1_Click(combo1, command2, file1);
        Log expected{L"Command2=A"};
        if (pattern != nullptr) expected.push_back(L"File1.Pattern=" + std::wstring(pattern));
        EXPECT_EQ(log, expected);
    }
    std::swap(combo1.items[0], combo1.items[1]);  // the position decides, not the text
    combo1.SetText(L"jpg");
    Combo1_Click(combo1, command2, file1);
    EXPECT_EQ(log.back(), L"File1.Pattern=*.gif");
}

// ASCII only; the real one is LCMapStringW.
struct AsciiCase : LetterCase {
    std::wstring Upper(const std::wstring& text) const override {
        return Map(text, L'a', L'z', -32);
    }
    std::wstring Lower(const std::wstring& text) const override {
        return Map(text, L'A', L'Z', 32);
    }
    static std::wstring Map(std::wstring text, wchar_t first, wchar_t last, int by) {
        for (auto& c : text) c = static_cast<wchar_t>(c >= first && c <= last ? c + by : c);
        return text;
    }
};

TEST_F(HandlersTest, TheCaseButtonFlipsTheTextAndItsOwnCaption) {
    const std::array<const wchar_t*, 4> rows[] = {// caption, text, then both after a press
                                                  {L"A", L"Jpg", L"JPG", L"a"},
                                                  {L"a", L"JPG", L"jpg", L"A"},
                                                  {L"A", L"∀", L"∀", L"a"},
                                                  {L"x", L"jpg", L"jpg", L"x"}};
    for (const auto& [caption, text, textAfter, captionAfter] : rows) {
        FakeText button(log, L"Command2", caption);
        combo1.SetText(text);
        Command2_Click(button, combo1, AsciiCase{});
        EXPECT_EQ(combo1.Text() + button.Text(), std::wstring(textAfter) + captionAfter);
    }
    command2.failWrites = true;  // a failed write ends it silently; the text stays changed
    combo1.SetText(L"JPG");
    EXPECT_NO_THROW(Command2_Click(command2, combo1, AsciiCase{}));
    EXPECT_EQ(combo1.Text() + command2.Text(), L"jpga");
}

TEST_F(HandlersTest, AFolderThatCannotBeReadEmptiesTheFileListAndIsTold) {
    file1.entries = {L"stale.jpg"};
    OpenFolderInList(dir1, L"c:\\gone", notice);
    EXPECT_EQ(log, (Log{L"Dir1.Path=c:\\gone", L"File1.Path=c:\\gone", L"File1.Refresh",
                        L"File1.Clear", L"beep and box=フォルダを読み込めません。"}));
    log.clear();
    RefreshFileList(file1, notice);  // after a run, in the folder that has gone
    EXPECT_EQ(log,
              (Log{L"File1.Refresh", L"File1.Clear", L"beep and box=フォルダを読み込めません。"}));
}

}  // namespace
}  // namespace numora
