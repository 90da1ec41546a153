// In-memory stand-ins for the controls. Every write goes to one log, as
// "Name=value", so that a test sees what the handlers did and in what order.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <system_error>

#include "browse/controls.h"

namespace numora::fakes {

using Log = std::vector<std::wstring>;

template <typename Control>
struct FakeTextOf : Control {
    FakeTextOf(Log& to, std::wstring named, std::wstring initial = L"")
        : log(to), name(std::move(named)), text(std::move(initial)) {}
    std::wstring Text() const override { return text; }
    void SetText(const std::wstring& to) override {
        if (failWrites) throw std::system_error(EIO, std::generic_category());
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
    std::wstring List(int index) const override {
        return items.at(static_cast<std::size_t>(index));
    }
    void AddItem(const std::wstring& item) override { items.push_back(item); }
    std::vector<std::wstring> items;
};

struct FakeNotice : UserNotice {
    explicit FakeNotice(Log& to) : log(to) {}
    void BeepAndShowInformation(const std::wstring& text) override {
        log.push_back(L"beep and box=" + text);
    }
    Log& log;
};

// Folders with their files. A folder missing here cannot be opened (a drive
// text opens the drive's root); one in `unreadable` cannot be listed.
struct FakeDisk {
    std::map<std::wstring, std::vector<std::wstring>> folders;
    std::set<std::wstring> unreadable;
};

struct FakeFileList : FileList {
    FakeFileList(Log& to, FakeDisk& on) : log(to), disk(on) {}
    void SetPath(const std::wstring& folder) override {
        log.push_back(L"File1.Path=" + (path = folder));
        Refresh();
    }
    void SetPattern(const std::wstring& pattern) override {
        log.push_back(L"File1.Pattern=" + pattern);
    }
    std::int16_t ListCount() const override {
        return failCount ? throw std::system_error(EIO, std::generic_category())
                         : static_cast<std::int16_t>(entries.size());
    }
    std::wstring List(std::int16_t index) const override {
        return entries.at(static_cast<std::size_t>(index));
    }
    void Refresh() override {
        log.push_back(L"File1.Refresh");
        if (disk.unreadable.count(path) != 0) throw std::system_error(EIO, std::generic_category());
        entries = disk.folders[path];
    }
    void Clear() override {
        log.push_back(L"File1.Clear");
        entries.clear();
    }
    Log& log;
    FakeDisk& disk;
    std::wstring path;
    std::vector<std::wstring> entries;
    bool failCount = false;
};

struct FakeFolderList : FolderList {
    FakeFolderList(Log& to, FakeDisk& on, std::wstring start)
        : log(to), disk(on), path(std::move(start)) {}
    std::wstring Path() const override { return path; }
    void SetPath(const std::wstring& to) override {
        const std::wstring folder = to.size() == 2 ? to + L"\\" : to;
        if (disk.folders.count(folder) == 0) throw std::system_error(EIO, std::generic_category());
        log.push_back(L"Dir1.Path=" + folder);
        if (std::exchange(path, folder) != folder && onChange) onChange();
    }
    Log& log;
    FakeDisk& disk;
    std::wstring path;
    std::function<void()> onChange;
};

struct FakeDriveList : DriveList {
    FakeDriveList(Log& to, std::wstring chosen) : log(to), drive(std::move(chosen)) {}
    std::wstring Drive() const override { return drive; }
    void SetDrive(const std::wstring& path) override {
        log.push_back(L"Drive1.Drive=" + (drive = path.substr(0, 2)));
    }
    Log& log;
    std::wstring drive;
};

}  // namespace numora::fakes
