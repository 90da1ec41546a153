// The main window's controls in memory. Every write goes to one log, as
// "Name=value"; every call is counted, and any one can be made to fail with
// the Failure its adapter throws.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "browse/views.h"
#include "win32/failure.h"

namespace numora::fakes {

using Log = std::vector<std::wstring>;

// The fakes' calls, counted: the one numbered failAt (from 0), or the first named failOn, fails.
struct Calls {
    void Next(const std::wstring& name) {
        if (count++ != failAt && name != failOn) return;
        failOn.clear();
        throw Failure("refused");
    }
    int count = 0;
    int failAt = -1;
    std::wstring failOn;
};

template <typename Control>
struct FakeTextOf : Control {
    FakeTextOf(Calls& c, Log& to, std::wstring named) : calls(c), log(to), name(named) {}
    std::wstring Text() const override { return calls.Next(name + L".Text"), text; }
    void SetText(const std::wstring& to) override {
        calls.Next(name + L".SetText");
        log.push_back(name + L"=" + (text = to));
    }
    Calls& calls;
    Log& log;
    std::wstring name, text;
};

struct FakeCombo : FakeTextOf<ComboControl> {
    using FakeTextOf::FakeTextOf;
    int ListCount() const override { return calls.Next(L"ListCount"), int(items.size()); }
    std::wstring List(int i) const override { return calls.Next(L"List"), items.at(size_t(i)); }
    void AddItem(const std::wstring& item) override { calls.Next(L"Add"), items.push_back(item); }
    std::vector<std::wstring> items;
};

// The drive, folder and file lists over folders with their files: a folder
// missing here cannot be opened; a drive text ("d:") opens its root; "c:\gone"
// opens, but its files cannot be read.
struct FakeLists : DriveList, FolderList {
    FakeLists(Calls& c, Log& to) : calls(c), log(to) {}
    std::wstring Drive() const override { return calls.Next(L"Drive1.Drive"), drive; }
    void SetDrive(const std::wstring& folder) override {
        calls.Next(L"Drive1.SetDrive");
        log.push_back(L"Drive1=" + (drive = folder.substr(0, 2)));
    }
    std::wstring Path() const override { return calls.Next(L"Dir1.Path"), path; }
    void SetPath(const std::wstring& to) override {
        calls.Next(L"Dir1.SetPath");
        const std::wstring folder = to.size() == 2 ? to + L"\\" : to;
        if (folders.count(folder) == 0) throw Failure("not ready");
        log.push_back(L"Dir1=" + folder);
        if (std::exchange(path, folder) != folder && onChange) onChange();
    }
    Calls& calls;
    Log& log;
    std::map<std::wstring, std::vector<std::wstring>> folders{{L"c:\\", {}}, {L"c:\\gone", {}}};
    std::wstring drive = L"c:", path = L"c:\\photos";
    std::function<void()> onChange;

    // The file list's, whose path is another.
    struct Files : FileList {
        Files(FakeLists& on) : lists(on) {}
        void SetPath(const std::wstring& to) override { Read(L"File1=" + (path = to)); }
        void SetPattern(const std::wstring& to) override { Read(L"File1.Pattern=" + to); }
        void Refresh() override { Read(L"File1.Refresh"); }
        void Clear() override {
            lists.calls.Next(L"File1.Clear"), Write(L"File1.Clear"), entries = {};
        }
        std::int16_t ListCount() const override {
            return lists.calls.Next(L"File1.ListCount"), std::int16_t(entries.size());
        }
        std::wstring List(std::int16_t i) const override {
            return lists.calls.Next(L"File1.List"), entries.at(size_t(i));
        }
        void Write(const std::wstring& line) { lists.log.push_back(line); }
        void Read(const std::wstring& line) {
            lists.calls.Next(line.substr(0, line.find(L'=')));
            Write(line);
            if (path == L"c:\\gone") throw Failure("unreadable");
            entries = lists.folders[path];
        }
        FakeLists& lists;
        std::wstring path;
        std::vector<std::wstring> entries;
    } file1{*this};
};

// The controls of the main window, the notice, and letter case that marks
// which way a text went (the mapping itself is the platform's).
struct FakeControls : UserNotice, LetterCase {
    FakeControls() { command2.text = L"A"; }
    void BeepAndShowInformation(const std::wstring& text) override {
        calls.Next(L"Notice");
        log.push_back(L"beep and box=" + text);
    }
    std::wstring Upper(const std::wstring& text) const override {
        return calls.Next(L"Upper"), L"upper " + text;
    }
    std::wstring Lower(const std::wstring& text) const override {
        return calls.Next(L"Lower"), L"lower " + text;
    }

    mutable Calls calls;  // counted by const reads too
    Log log;
    FakeLists lists{calls, log};
    FakeLists::Files& file1 = lists.file1;
    FakeTextOf<TextControl> text1{calls, log, L"Text1"}, text2{calls, log, L"Text2"},
        command2{calls, log, L"Command2"};
    FakeCombo combo1{calls, log, L"Combo1"}, combo2{calls, log, L"Combo2"};
};

}  // namespace numora::fakes
