#include "shell/form1_handlers.h"

#include <gtest/gtest.h>

#include <map>

#include "browse/navigation_handlers.h"
#include "fakes/fake_controls.h"

namespace numora {
namespace {

using namespace fakes;

class FakeView : public MainWindowView {
  public:
    explicit FakeView(std::vector<std::wstring>& log) : log_(log) {}
    void SetOuterWidthTwips(int twips) override {
        width = twips;
        log_.push_back(L"width");
    }
    void SetToolTip(const std::wstring& control, const std::wstring& text) override {
        tooltips.emplace_back(control, text);
        log_.push_back(L"tooltip " + control);
    }
    void SetMousePointer(MousePointer pointer) override {
        pointers.push_back(pointer);
        log_.push_back(pointer == MousePointer::Default ? L"pointer 0" : L"pointer 13");
    }
    void Unload() override { ++unloads; }
    int width = 0;
    std::vector<std::pair<std::wstring, std::wstring>> tooltips;
    std::vector<MousePointer> pointers;
    int unloads = 0;

  private:
    std::vector<std::wstring>& log_;
};

class FakeInstances : public InstanceRule {
  public:
    explicit FakeInstances(std::vector<std::wstring>& log) : log_(log) {}
    bool EarlierInstanceRunning() override {
        log_.push_back(L"instance check");
        return earlier;
    }
    bool earlier = false;

  private:
    std::vector<std::wstring>& log_;
};

class LoggingNotice : public UserNotice {
  public:
    explicit LoggingNotice(std::vector<std::wstring>& log) : log_(log) {}
    void BeepAndShowInformation(const std::wstring& text) override {
        shown.push_back(text);
        log_.push_back(L"message " + text);
    }
    std::vector<std::wstring> shown;

  private:
    std::vector<std::wstring>& log_;
};

// A window's worth of fakes over a pretend disk with a rename that acts on it.
class MainWindow : public ::testing::Test {
  protected:
    MainWindow() {
        disk.files[L"c:\\"] = {L"x.jpg"};
        dir1.onChange = [this] {
            log.push_back(L"folder " + dir1.Path());
            Dir1_Change(dir1, file1, notice);
        };
    }
    Form1Controls Controls() {
        return {drive1, dir1,     file1,    text1, text2, combo1,
                combo2, command1, command2, view,  notice};
    }
    void Load() { ASSERT_EQ(Form_Load(controls, instances), LoadOutcome::ShowWindow); }
    RenamingRunResult Press() { return Command1_Click(controls, renameOnDisk); }

    std::vector<std::wstring> log;
    FakeDisk disk;
    FakeDriveList drive1;
    FakeFolderList dir1{disk};
    FakeFileList file1{disk};
    FakeText text1, text2;
    FakeCombo combo1, combo2;
    FakeText command1{L"連番化"}, command2{L"A"};
    FakeView view{log};
    LoggingNotice notice{log};
    FakeInstances instances{log};
    Form1Controls controls = Controls();
    std::vector<std::pair<std::wstring, std::wstring>> renames;
    RenameFile renameOnDisk = [this](const std::wstring& from, const std::wstring& to) {
        renames.emplace_back(from, to);
        log.push_back(L"rename at counter " + text2.Text());
        const auto cut = from.rfind(L'\\');
        const auto folder = disk.files.find(from.substr(0, cut == 2 ? 3 : cut));
        if (folder == disk.files.end()) return RenameOutcome{false, 3};
        for (auto& name : folder->second) {
            if (name == from.substr(cut + 1)) {
                name = to.substr(to.rfind(L'\\') + 1);
                return RenameOutcome{true, 0};
            }
        }
        return RenameOutcome{false, 2};
    };
};

TEST_F(MainWindow, StartUpRunsItsStepsInOrder) {
    Load();
    const std::vector<std::wstring> expected{
        L"width",          L"tooltip Text1",    L"tooltip Combo1",
        L"tooltip Combo2", L"tooltip Command1", L"tooltip Command2",
        L"instance check", L"folder c:\\"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(view.width, 5670);
}

TEST_F(MainWindow, StartUpSetsTheTooltipTextsExactly) {
    Load();
    const std::vector<std::pair<std::wstring, std::wstring>> expected{
        {L"Text1", L"基本となるファイル名を入力してね"},
        {L"Combo1", L"拡張子フィルタ\u3000直接入力も可能"},
        {L"Combo2", L"使用桁数を設定します"},
        {L"Command1", L"連番化を実行"},
        {L"Command2", L"拡張子の\u0020大文字、小文字を切り替えます"}};
    EXPECT_EQ(view.tooltips, expected);
}

TEST_F(MainWindow, StartUpFillsAndPresetsBothListsWithoutChoosing) {
    Load();
    EXPECT_EQ(combo1.items.size(), 12u);
    EXPECT_EQ(combo1.items.back(), L"\u2200");
    EXPECT_EQ(combo1.Text(), L"jpg");
    EXPECT_EQ(combo2.items,
              (std::vector<std::wstring>{L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"}));
    EXPECT_EQ(combo2.Text(), L"３桁");
    EXPECT_EQ(command2.Text(), L"A");
    EXPECT_EQ(file1.Pattern(), L"*.jpg;*.jpeg");
    EXPECT_EQ(file1.Entries(), std::vector<std::wstring>{L"x.jpg"});
}

TEST_F(MainWindow, ASecondInstanceEndsBeforeTouchingTheLists) {
    instances.earlier = true;
    EXPECT_EQ(Form_Load(controls, instances), LoadOutcome::EndProgram);
    EXPECT_EQ(log.back(), L"instance check");
    EXPECT_EQ(dir1.Path(), L"");
    EXPECT_TRUE(combo1.items.empty());
    EXPECT_TRUE(notice.shown.empty());
}

TEST_F(MainWindow, AnUnreadyStartDriveShowsTheWindowWithEmptyListsAndNoMessage) {
    disk.notReadyDrives.insert(L"c:");
    Load();
    EXPECT_EQ(view.width, 5670);
    EXPECT_EQ(view.tooltips.size(), 5u);
    EXPECT_TRUE(combo1.items.empty());
    EXPECT_TRUE(combo2.items.empty());
    EXPECT_EQ(combo1.Text(), L"");
    EXPECT_TRUE(notice.shown.empty());
}

TEST_F(MainWindow, RunOfTheWorkedExample) {
    disk.files[L"c:\\photos"] = {L"a.jpg", L"b.jpeg", L"c.jpg"};
    Load();
    dir1.SetPath(L"c:\\photos");
    text1.SetText(L"trip");
    log.clear();
    const RenamingRunResult result = Press();
    EXPECT_EQ(result.ExitKind, RunExit::Finished);
    EXPECT_EQ(text2.Text(), L"3");
    EXPECT_EQ(text2.history, (std::vector<std::wstring>{L"0", L"1", L"2", L"3"}));
    const std::vector<std::pair<std::wstring, std::wstring>> expected{
        {L"c:\\photos\\a.jpg", L"c:\\photos\\trip001.jpg"},
        {L"c:\\photos\\b.jpeg", L"c:\\photos\\trip002.jpg"},
        {L"c:\\photos\\c.jpg", L"c:\\photos\\trip003.jpg"}};
    EXPECT_EQ(renames, expected);
    EXPECT_EQ(file1.refreshes, 1);
    EXPECT_EQ(file1.Entries(),
              (std::vector<std::wstring>{L"trip001.jpg", L"trip002.jpg", L"trip003.jpg"}));
    // Busy pointer first, each counter shown before its rename, default pointer last.
    EXPECT_EQ(log.front(), L"pointer 13");
    EXPECT_EQ(log[1], L"rename at counter 1");
    EXPECT_EQ(log.back(), L"pointer 0");
}

TEST_F(MainWindow, AnEmptyListIsReportedWithoutRefreshOrRename) {
    disk.files[L"c:\\empty"] = {L"only.gif"};
    Load();
    dir1.SetPath(L"c:\\empty");
    log.clear();
    const RenamingRunResult result = Press();
    EXPECT_EQ(result.ExitKind, RunExit::NoFiles);
    EXPECT_EQ(text2.Text(), L"0");
    EXPECT_TRUE(renames.empty());
    EXPECT_EQ(file1.refreshes, 0);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"pointer 13", L"message ファイルがありません。",
                                              L"pointer 0"}));
}

TEST_F(MainWindow, AFailingControlStillRefreshesAndRestoresThePointer) {
    Load();
    file1.failCount = true;
    const RenamingRunResult result = Press();
    EXPECT_EQ(result.ExitKind, RunExit::Finished);
    EXPECT_TRUE(renames.empty());
    EXPECT_EQ(file1.refreshes, 1);
    EXPECT_EQ(view.pointers.back(), MousePointer::Default);
}

TEST_F(MainWindow, ARunWhoseFolderVanishedEndsWithAnEmptyListAndAMessage) {
    disk.files[L"c:\\photos"] = {L"a.jpg"};
    Load();
    dir1.SetPath(L"c:\\photos");
    disk.files.erase(L"c:\\photos");  // gone after it was listed
    EXPECT_NO_THROW(Press());
    EXPECT_TRUE(file1.Entries().empty());
    EXPECT_EQ(notice.shown, std::vector<std::wstring>{L"フォルダを読み込めません。"});
    EXPECT_EQ(view.pointers.back(), MousePointer::Default);
}

TEST_F(MainWindow, ADigitTextMatchingNoEntryGivesNoPadding) {
    disk.files[L"c:\\photos"] = {L"a.jpg"};
    Load();
    dir1.SetPath(L"c:\\photos");
    combo2.SetText(L"3桁");
    Press();
    ASSERT_EQ(renames.size(), 1u);
    EXPECT_EQ(renames[0].second, L"c:\\photos\\1.jpg");
}

TEST_F(MainWindow, MenuCommands) {
    struct CountingAbout : AboutWindows {
        void OpenNew() override { ++opened; }
        int opened = 0;
    } about;
    mver_Click(about);
    mver_Click(about);
    EXPECT_EQ(about.opened, 2);
    EXPECT_EQ(view.unloads, 0);
    mend_Click(view);
    EXPECT_EQ(view.unloads, 1);
}

}  // namespace
}  // namespace numora
