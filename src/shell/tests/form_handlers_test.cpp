#include "shell/form_handlers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "browse/handlers.h"
#include "support/fake_controls.h"

namespace numora {
using fakes::Log;
namespace {

// The whole program as the handlers see it: the main window over c:\photos,
// which holds a.jpg and b.jpeg, an about window, the instance rule.
struct FakeForm1 : fakes::FakeControls, Form1View, Form2View, AboutWindows, InstanceRule {
    FakeForm1() {
        lists.folders[L"c:\\photos"] = file1.entries = {L"a.jpg", L"b.jpeg"};
        lists.folders[L"d:\\"] = {L"d.jpg"};
        file1.path = lists.path;
        lists.onChange = [this] { Dir1_Change(lists, file1, *this); };
        for (const ExtensionEntry& entry : kExtensionEntries)
            combo1.items.emplace_back(entry.Entry);
    }
    DriveList& Drive1() override { return lists; }
    FolderList& Dir1() override { return lists; }
    FileList& File1() override { return file1; }
    TextControl& Text1() override { return text1; }
    TextControl& Text2() override { return text2; }
    ComboControl& Combo1() override { return combo1; }
    ComboControl& Combo2() override { return combo2; }
    TextControl& Command2() override { return command2; }
    UserNotice& Notice() override { return *this; }
    void Write(const std::wstring& line) { calls.Next(line), log.push_back(line); }
    void SetOuterWidthTwips(int twips) override { Write(L"Width=" + std::to_wstring(twips)); }
    void SetToolTip(Form1Control, const std::wstring&) override { Write(L"Tip"); }
    void SetMousePointer(MousePointer pointer) override {
        Write(pointer == MousePointer::Busy ? L"Pointer=busy" : L"Pointer=default");
    }
    void Unload() override { Write(L"unloaded"); }
    void OpenNew() override { Write(L"about window opened"); }
    bool EarlierInstanceRunning() override { return Write(L"earlier instance?"), false; }
    void Press() {
        Command1_Click(*this, [&](const std::wstring& from, const std::wstring& to) {
            return renames.push_back(from + L" -> " + to), true;
        });
    }

    std::vector<std::wstring> renames;
};

class FormHandlersTest : public ::testing::Test, protected FakeForm1 {};

// The width and the tips before the instance rule, the lists after it; a
// failure (an unready drive) ends the load silently, in the state reached.
TEST_F(FormHandlersTest, TheLoadSetsTheStartStateInOrderOrAsFarAsItCan) {
    EXPECT_EQ(Form_Load(*this, *this), LoadOutcome::ShowWindow);
    EXPECT_EQ(log, (Log{L"Width=5670", L"Tip", L"Tip", L"Tip", L"Tip", L"Tip", L"earlier instance?",
                        L"Dir1=c:\\", L"File1=c:\\", L"Combo1=jpg", L"Combo2=３桁"}));
    combo1.items.clear();
    lists.drive = L"r:";
    EXPECT_EQ(Form_Load(*this, *this), LoadOutcome::ShowWindow);
    EXPECT_TRUE(combo1.items.empty());
}

// The listed files in list order, each to base name, padded number, extension.
TEST_F(FormHandlersTest, ARunTakesWhatTheControlsHold) {
    text1.text = L"trip", combo1.text = L"JPG", combo2.text = L"２桁";
    combo2.items = {L"１桁", L"２桁"};
    Press();
    EXPECT_EQ(renames,
              (std::vector<std::wstring>{L"c:\\photos\\a.jpg -> c:\\photos\\trip01.JPG",
                                         L"c:\\photos\\b.jpeg -> c:\\photos\\trip02.JPG"}));
}

// An empty list is told, and not refreshed; a list whose count cannot be read is.
TEST_F(FormHandlersTest, AnEmptyListIsToldAndAFailedReadRefreshes) {
    file1.entries.clear();
    Press();
    EXPECT_EQ(log, (Log{L"Text2=0", L"Pointer=busy", L"beep and box=ファイルがありません。",
                        L"Pointer=default"}));
    calls.failOn = L"File1.ListCount";
    log.clear();
    Press();
    EXPECT_EQ(log, (Log{L"Text2=0", L"Pointer=busy", L"File1.Refresh", L"Pointer=default"}));
    EXPECT_TRUE(renames.empty());
}

// Every handler, with each call it makes on the program's views made to fail
// in turn (the calls counted by a clean run first): the failure gets no
// further than the handler, the user is told at most once, and the file list
// shows the folder list's folder or nothing.
TEST(EveryHandlerTest, SurvivesAFailureOfAnyOneCallItMakes) {
    const std::vector<std::pair<const char*, std::function<void(FakeForm1&)>>> handlers = {
        {"Form_Load", [](FakeForm1& f) { Form_Load(f, f); }},
        {"Command1_Click", [](FakeForm1& f) { f.Press(); }},
        {"Command1_Click, no files", [](FakeForm1& f) { f.file1.entries.clear(), f.Press(); }},
        {"Command2_Click", [](FakeForm1& f) { Command2_Click(f.command2, f.combo1, f); }},
        {"Combo1_Click",
         [](FakeForm1& f) {
             f.combo1.text = L"gif", Combo1_Click(f.combo1, f.command2, f.file1, f);
         }},
        {"Drive1_Change",
         [](FakeForm1& f) { f.lists.drive = L"d:", Drive1_Change(f.lists, f.lists, f); }},
        {"Drive1_Change, unready",
         [](FakeForm1& f) { f.lists.drive = L"r:", Drive1_Change(f.lists, f.lists, f); }},
        {"Dir1_Change",
         [](FakeForm1& f) { f.lists.path = L"d:\\", Dir1_Change(f.lists, f.file1, f); }},
        {"OpenFolderInList", [](FakeForm1& f) { OpenFolderInList(f.lists, L"c:\\", f); }},
        {"RefreshFileList", [](FakeForm1& f) { RefreshFileList(f.file1, f); }},
        {"mend_Click", [](FakeForm1& f) { mend_Click(f); }},
        {"mver_Click", [](FakeForm1& f) { mver_Click(f); }},
        {"about window's Command1_Click",
         [](FakeForm1& f) { Command1_Click(static_cast<Form2View&>(f)); }},
    };
    for (const auto& [name, handle] : handlers) {
        int calls = 0;
        for (int failAt = -1; failAt < calls; ++failAt) {
            SCOPED_TRACE(std::string(name) + ", call " + std::to_string(failAt) + " fails");
            FakeForm1 form;
            form.calls.failAt = failAt;
            EXPECT_NO_THROW(handle(form));
            if (failAt < 0) calls = form.calls.count;
            EXPECT_LE(std::count_if(form.log.begin(), form.log.end(),
                                    [](const std::wstring& line) {
                                        return line.starts_with(L"beep and box");
                                    }),
                      1);
            EXPECT_TRUE(form.file1.entries.empty() ||
                        (form.file1.path == form.lists.path &&
                         form.file1.entries == form.lists.folders[form.file1.path]));
        }
        EXPECT_GT(calls, 0) << name;
    }
}

}  // namespace
}  // namespace numora
