// The main window's controls in memory. Every write goes to one log, as
// "Name=value", so that a test sees what the handlers did and in what order.
#pragma once

#include <functional>
#include <map>

#include "browse/views.h"
#include "shell/form_views.h"
#include "win32/failure.h"

namespace numora::fakes {

using Log = std::vector<std::wstring>;

inline const Failure kRefused("refused");

template <typename Control>
struct FakeTextOf : Control {
    FakeTextOf(Log& to, std::wstring named, std::wstring initial = L"")
        : log(to), name(std::move(named)), text(std::move(initial)) {}
    std::wstring Text() const override { return text; }
    void SetText(const std::wstring& to) override {
        if (failWrites) throw kRefused;
        log.push_back(name + L"=" + (text = to));
    }
    Log& log;
    std::wstring name, text;
    bool failWrites = false;
};
using FakeText = FakeTextOf<TextControl>;

struct FakeCombo : FakeTextOf<ComboControl> {
    using FakeTextOf::FakeTextOf;
    int ListCount() const override { return static_cast<int>(items.size()); }
    std::wstring List(int index) const override { return items.at(index); }
    void AddItem(const std::wstring& item) override { items.push_back(item); }
    std::vector<std::wstring> items;
};

// The drive and folder lists over folders that exist (with their files): a
// folder missing here cannot be opened; a drive text ("d:") opens its root.
struct FakeDriveAndFolderLists : DriveList, FolderList {
    explicit FakeDriveAndFolderLists(Log& to) : log(to) {}
    std::wstring Drive() const override { return drive; }
    void SetDrive(const std::wstring& folder) override {
        log.push_back(L"Drive1=" + (drive = folder.substr(0, 2)));
    }
    std::wstring Path() const override { return path; }
    void SetPath(const std::wstring& to) override {
        const std::wstring folder = to.size() == 2 ? to + L"\\" : to;
        if (folders.count(folder) == 0) throw kRefused;
        log.push_back(L"Dir1=" + folder);
        if (std::exchange(path, folder) != folder && onChange) onChange();
    }
    Log& log;
    std::map<std::wstring, std::vector<std::wstring>> folders{{L"c:\\", {}}, {L"c:\\gone", {}}};
    std::wstring drive = L"c:", path = L"c:\\photos";
    std::function<void()> onChange;
};

// The file list over the same folders; "c:\gone" opens but cannot be read.
struct FakeFileList : FileList {
    FakeFileList(Log& to, FakeDriveAndFolderLists& on) : log(to), disk(on) {}
    void SetPath(const std::wstring& folder) override {
        log.push_back(L"File1=" + (path = folder));
        Refresh();
    }
    void SetPattern(const std::wstring& pattern) override {
        log.push_back(L"File1.Pattern=" + pattern);
    }
    std::int16_t ListCount() const override {
        return failCount ? throw kRefused : static_cast<std::int16_t>(entries.size());
    }
    std::wstring List(std::int16_t index) const override { return entries.at(index); }
    void Refresh() override {
        log.push_back(L"File1.Refresh");
        entries = path == L"c:\\gone" ? throw kRefused : disk.folders[path];
    }
    void Clear() override { log.push_back(L"File1.Clear"), entries.clear(); }
    Log& log;
    FakeDriveAndFolderLists& disk;
    std::wstring path;
    std::vector<std::wstring> entries;
    bool failCount = false;
};

// The whole window, as the handlers see it.
struct FakeForm1 : Form1View, InstanceRule, UserNotice {
    DriveList& Drive1() override { return lists; }
    FolderList& Dir1() override { return lists; }
    FileList& File1() override { return file1; }
    TextControl& Text1() override { return text1; }
    TextControl& Text2() override { return text2; }
    ComboControl& Combo1() override { return combo1; }
    ComboControl& Combo2() override { return combo2; }
    TextControl& Command2() override { return command2; }
    UserNotice& Notice() override { return *this; }
    void SetOuterWidthTwips(int twips) override {
        log.push_back(L"Width=" + std::to_wstring(twips));
    }
    // Which tip goes where: the end-to-end suite reads them.
    void SetToolTip(Form1Control, const std::wstring&) override { log.push_back(L"Tip"); }
    void SetMousePointer(MousePointer pointer) override {
        log.push_back(pointer == MousePointer::Busy ? L"Pointer=busy" : L"Pointer=default");
    }
    void Unload() override {}
    bool EarlierInstanceRunning() override {
        return log.push_back(L"earlier instance?"), earlierInstance;
    }
    void BeepAndShowInformation(const std::wstring& text) override {
        log.push_back(L"beep and box=" + text);
    }

    Log log;
    bool earlierInstance = false;
    FakeDriveAndFolderLists lists{log};
    FakeFileList file1{log, lists};
    FakeText text1{log, L"Text1"}, text2{log, L"Text2"}, command2{log, L"Command2", L"A"};
    FakeCombo combo1{log, L"Combo1"}, combo2{log, L"Combo2"};
};

}  // namespace numora::fakes
