#include "shell/form_handlers.h"

#include <gtest/gtest.h>

#include "support/fake_controls.h"

namespace numora {
using fakes::Log;
namespace {

class FormHandlersTest : public ::testing::Test, protected fakes::FakeForm1 {
  protected:
    FormHandlersTest() { lists.folders[L"c:\\photos"] = {L"a.jpg", L"b.jpeg"}; }
    RenamingRunResult Run() {
        return Command1_Click(*this, [&](const std::wstring& from, const std::wstring& to) {
            renames.emplace_back(from, to);
            return true;
        });
    }
    std::vector<std::pair<std::wstring, std::wstring>> renames;
};

TEST_F(FormHandlersTest, LoadSetsTheStartStateInOrder) {
    EXPECT_EQ(Form_Load(*this, *this), LoadOutcome::ShowWindow);
    EXPECT_EQ(log, (Log{L"Width=5670", L"Tip", L"Tip", L"Tip", L"Tip", L"Tip", L"earlier instance?",
                        L"Dir1=c:\\", L"Combo1=jpg", L"Combo2=３桁"}));
    EXPECT_EQ(combo1.items.size(), 12u);
    EXPECT_EQ(combo2.items.size(), 6u);
}

TEST_F(FormHandlersTest, AnEarlierInstanceOrAnUnreadyDriveEndsTheLoadBeforeTheLists) {
    lists.drive = L"r:";
    EXPECT_EQ(Form_Load(*this, *this), LoadOutcome::ShowWindow) << "silently, in the state reached";
    earlierInstance = true;
    EXPECT_EQ(Form_Load(*this, *this), LoadOutcome::EndProgram);
    EXPECT_EQ(log.back(), L"earlier instance?");
    EXPECT_TRUE(combo1.items.empty() && combo2.items.empty());
}

TEST_F(FormHandlersTest, ARunReadsTheControlsKeepsTheCounterAndRefreshesAfter) {
    Form_Load(*this, *this);
    lists.path = L"c:\\photos";
    file1.SetPath(L"c:\\photos");
    text1.SetText(L"trip");
    combo1.SetText(L"JPG");
    combo2.SetText(L"２桁");
    log.clear();
    EXPECT_EQ(Run().CounterText, L"2");
    EXPECT_EQ(renames, (std::vector<std::pair<std::wstring, std::wstring>>{
                           {L"c:\\photos\\a.jpg", L"c:\\photos\\trip01.JPG"},
                           {L"c:\\photos\\b.jpeg", L"c:\\photos\\trip02.JPG"}}));
    EXPECT_EQ(log,
              (Log{L"Text2=0", L"Pointer=busy", L"Text2=2", L"File1.Refresh", L"Pointer=default"}));
}

TEST_F(FormHandlersTest, AnEmptyListIsToldAndAFailedReadRefreshes) {
    EXPECT_EQ(Run().ExitKind, RunExit::NoFiles);
    EXPECT_TRUE(renames.empty());
    EXPECT_EQ(log, (Log{L"Text2=0", L"Pointer=busy", L"beep and box=ファイルがありません。",
                        L"Pointer=default"}));
    file1.failCount = true;
    log.clear();
    Run();
    EXPECT_EQ(log, (Log{L"Text2=0", L"Pointer=busy", L"File1.Refresh", L"Pointer=default"}));
    file1.failCount = false;
    file1.entries = {L"only.jpg"};
    EXPECT_EQ(Run().ExitKind, RunExit::Finished) << "one file is a list to run";
    EXPECT_EQ(renames.size(), 1u);
}

}  // namespace
}  // namespace numora
