#include "shell/form_handlers.h"

#include <gtest/gtest.h>

#include "shell/combo_choice.h"
#include "support/fake_controls.h"

namespace numora {
namespace {

using namespace fakes;

struct FakeForm : MainWindowView, InstanceRule {
    explicit FakeForm(Log& to) : log(to) {}
    void SetOuterWidthTwips(int twips) override {
        log.push_back(L"Width=" + std::to_wstring(twips));
    }
    void SetToolTip(const std::wstring& control, const std::wstring& text) override {
        log.push_back(control + L".Tip=" + text);
    }
    void SetMousePointer(MousePointer pointer) override {
        log.push_back(L"MousePointer=" + std::to_wstring(static_cast<int>(pointer)));
    }
    void Unload() override {}
    bool EarlierInstanceRunning() override {
        return log.push_back(L"earlier instance?"), earlierInstance;
    }
    Log& log;
    bool earlierInstance = false;
};

class FormHandlersTest : public ::testing::Test {
  protected:
    FormHandlersTest() { disk.folders = {{L"c:\\", {}}, {L"c:\\photos", {L"a.jpg", L"b.jpeg"}}}; }
    Form1Controls Controls(DriveList& drive) {
        return {drive, dir1, file1, text1, text2, combo1, combo2, command1, command2, form, notice};
    }
    RenamingRunResult Run() {
        return Command1_Click(controls, [&](const std::wstring& from, const std::wstring& to) {
            renames.emplace_back(from, to);
            return RenameOutcome{true, 0};
        });
    }

    Log log;
    FakeDisk disk;
    FakeForm form{log};
    FakeDriveList drive1{log, L"c:"};
    FakeFolderList dir1{log, disk, L"c:\\photos"};
    FakeFileList file1{log, disk};
    FakeText text1{log, L"Text1"}, text2{log, L"Text2"}, command1{log, L"Command1"},
        command2{log, L"Command2", L"A"};
    FakeCombo combo1{log, L"Combo1"}, combo2{log, L"Combo2"};
    FakeNotice notice{log};
    Form1Controls controls = Controls(drive1);
    std::vector<std::pair<std::wstring, std::wstring>> renames;
};

TEST_F(FormHandlersTest, LoadSetsTheStartStateInOrder) {
    EXPECT_EQ(Form_Load(controls, form), LoadOutcome::ShowWindow);
    EXPECT_EQ(log, (Log{L"Width=5670", L"Text1.Tip=基本となるファイル名を入力してね",
                        L"Combo1.Tip=拡張子フィルタ\u3000直接入力も可能",
                        L"Combo2.Tip=使用桁数を設定します", L"Command1.Tip=連番化を実行",
                        L"Command2.Tip=拡張子の 大文字、小文字を切り替えます", L"earlier instance?",
                        L"Dir1.Path=c:\\", L"Combo1=jpg", L"Combo2=３桁"}));
    EXPECT_EQ(combo1.items,
              (std::vector<std::wstring>{L"jpg", L"gif", L"bmp", L"ico", L"txt", L"rm", L"ram",
                                         L"mpg", L"avi", L"mp3", L"htm", L"∀"}));
    EXPECT_EQ(combo2.items,
              (std::vector<std::wstring>{L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"}));
}

TEST_F(FormHandlersTest, AnEarlierInstanceOrAnUnreadyDriveEndsTheLoadBeforeTheLists) {
    FakeDriveList notReady(log, L"r:");
    Form1Controls unready = Controls(notReady);
    EXPECT_EQ(Form_Load(unready, form), LoadOutcome::ShowWindow)
        << "silently, in the state reached";
    form.earlierInstance = true;
    EXPECT_EQ(Form_Load(controls, form), LoadOutcome::EndProgram);
    EXPECT_EQ(log.back(), L"earlier instance?");
    EXPECT_TRUE(combo1.items.empty() && combo2.items.empty());
}

TEST_F(FormHandlersTest, ARunReadsTheControlsKeepsTheCounterAndRefreshesAfter) {
    file1.SetPath(L"c:\\photos");
    text1.SetText(L"trip");
    combo1.SetText(L"JPG");
    for (const auto* entry : {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"})
        combo2.AddItem(entry);
    combo2.SetText(L"２桁");
    log.clear();
    EXPECT_EQ(Run().CounterText, L"2");
    EXPECT_EQ(renames, (std::vector<std::pair<std::wstring, std::wstring>>{
                           {L"c:\\photos\\a.jpg", L"c:\\photos\\trip01.JPG"},
                           {L"c:\\photos\\b.jpeg", L"c:\\photos\\trip02.JPG"}}));
    EXPECT_EQ(log, (Log{L"Text2=0", L"MousePointer=13", L"Text2=2", L"File1.Refresh",
                        L"MousePointer=0"}));
}

TEST_F(FormHandlersTest, AnEmptyListIsToldAndAFailedReadRefreshes) {
    EXPECT_EQ(Run().ExitKind, RunExit::NoFiles);
    EXPECT_EQ(log, (Log{L"Text2=0", L"MousePointer=13", L"beep and box=ファイルがありません。",
                        L"MousePointer=0"}));
    file1.failCount = true;
    log.clear();
    Run();
    EXPECT_EQ(log, (Log{L"Text2=0", L"MousePointer=13", L"File1.Refresh", L"MousePointer=0"}));
}

// One user action reaches a combo box as several notifications, in orders that
// differ by mouse, keyboard and the state of the list; each action chooses once.
// Steps: 'O' the list closed on an entry (CBN_SELENDOK), 'N' closed on none,
// 'D' and 'C' a new selection with the list dropped or closed (CBN_SELCHANGE),
// '.' the action handled.
TEST(ComboChoiceTest, OneChoicePerUserAction) {
    const std::tuple<DroppedListPolicy, const char*, int> rows[] = {
        {DroppedListPolicy::ChooseWhileBrowsing, "DO.", 1},     // a click in the list
        {DroppedListPolicy::ChooseWhileBrowsing, "OC.OC.", 2},  // two arrow keys on the closed box
        {DroppedListPolicy::ChooseOnClose, "DDO.", 1},          // browsing, then closing on one
        {DroppedListPolicy::ChooseOnClose, "N.", 0}};
    for (const auto& [policy, steps, expected] : rows) {
        ComboChoice choice(policy);
        int choices = 0;
        for (const char* step = steps; *step != '\0'; ++step) {
            if (*step == '.') choice.OnActionHandled();
            if (*step == 'O' || *step == 'N') choices += choice.OnSelEndOk(*step == 'O');
            if (*step == 'D' || *step == 'C') choices += choice.OnSelChange(*step == 'D', true);
        }
        EXPECT_EQ(choices, expected) << steps;
    }
}

}  // namespace
}  // namespace numora
