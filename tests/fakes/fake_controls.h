// In-memory stand-ins for the controls, recording what the handlers do to them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "browse/control_error.h"
#include "browse/controls.h"
#include "browse/list_controls.h"

namespace numora::fakes {

class FakeText : public TextControl {
  public:
    explicit FakeText(std::wstring text = L"") : text_(std::move(text)) {}
    std::wstring Text() const override { return text_; }
    void SetText(const std::wstring& text) override {
        if (failWrites) throw ControlError("text write refused", 5);
        text_ = text;
        history.push_back(text);
    }
    bool failWrites = false;
    std::vector<std::wstring> history;

  private:
    std::wstring text_;
};

class FakeCombo : public ComboControl {
  public:
    std::wstring Text() const override { return text_; }
    void SetText(const std::wstring& text) override {
        if (failWrites) throw ControlError("combo write refused", 5);
        text_ = text;
    }
    int ListCount() const override { return static_cast<int>(items.size()); }
    std::wstring List(int index) const override {
        return index >= 0 && index < ListCount() ? items[static_cast<std::size_t>(index)] : L"";
    }
    void AddItem(const std::wstring& item) override { items.push_back(item); }
    // What the window does when the user picks an entry: the text becomes the entry.
    void Choose(int index) { text_ = items.at(static_cast<std::size_t>(index)); }
    std::vector<std::wstring> items;
    bool failWrites = false;

  private:
    std::wstring text_;
};

class FakeNotice : public UserNotice {
  public:
    void BeepAndShowInformation(const std::wstring& text) override { shown.push_back(text); }
    std::vector<std::wstring> shown;
};

// Folders of a pretend disk: folder path -> file names. Folders listed in
// `unreadable` exist for the folder list but cannot be listed.
struct FakeDisk {
    std::map<std::wstring, std::vector<std::wstring>> files;
    std::set<std::wstring> unreadable;
    std::set<std::wstring> notReadyDrives;  // "r:" and so on
};

class FakeFileList : public FileList {
  public:
    explicit FakeFileList(FakeDisk& disk) : disk_(disk) {}
    std::wstring Path() const override { return path_; }
    void SetPath(const std::wstring& folder) override {
        path_ = folder;
        Reread();
    }
    std::wstring Pattern() const override { return pattern_; }
    void SetPattern(const std::wstring& pattern) override {
        pattern_ = pattern;
        Reread();
    }
    std::int16_t ListCount() const override {
        if (failCount) throw ControlError("count refused", 5);
        return static_cast<std::int16_t>(entries_.size());
    }
    std::wstring List(std::int16_t index) const override {
        return entries_.at(static_cast<std::size_t>(index));
    }
    void Refresh() override {
        ++refreshes;
        Reread();
    }
    void Clear() override { entries_.clear(); }
    const std::vector<std::wstring>& Entries() const { return entries_; }
    int refreshes = 0;
    bool failCount = false;

  private:
    void Reread() {
        if (disk_.unreadable.count(path_) != 0 || disk_.files.count(path_) == 0) {
            throw ControlError("folder cannot be read", 3);
        }
        // Suffix match is enough for the patterns these tests use ("*.gif", "*.*").
        entries_.clear();
        for (const auto& name : disk_.files.at(path_)) {
            if (Matches(name)) entries_.push_back(name);
        }
    }
    bool Matches(const std::wstring& name) const {
        std::wstring rest = pattern_;
        while (!rest.empty()) {
            const auto cut = rest.find(L';');
            const std::wstring one = rest.substr(0, cut);
            rest = cut == std::wstring::npos ? L"" : rest.substr(cut + 1);
            if (one == L"*.*") return true;
            const std::wstring suffix = one.substr(1);
            if (name.size() >= suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
                return true;
            }
        }
        return false;
    }

    FakeDisk& disk_;
    std::wstring path_;
    std::wstring pattern_ = L"*.jpg;*.jpeg";
    std::vector<std::wstring> entries_;
};

class FakeFolderList : public FolderList {
  public:
    explicit FakeFolderList(FakeDisk& disk) : disk_(disk) {}
    std::wstring Path() const override { return path_; }
    void SetPath(const std::wstring& path) override {
        std::wstring target = path;
        if (target.size() >= 2 && target[1] == L':' && target.find(L'\\') == std::wstring::npos) {
            const std::wstring drive = target.substr(0, 2);
            if (disk_.notReadyDrives.count(drive) != 0) throw ControlError("not ready", 3);
            target = drive + L"\\";
        }
        if (disk_.files.count(target) == 0) throw ControlError("no such folder", 3);
        const bool changed = target != path_;
        path_ = target;
        if (changed && onChange) onChange();
    }
    std::function<void()> onChange;
    void SetPathSilently(const std::wstring& path) { path_ = path; }

  private:
    FakeDisk& disk_;
    std::wstring path_;
};

class FakeDriveList : public DriveList {
  public:
    std::wstring Drive() const override { return drive_; }
    void SetDrive(const std::wstring& fullPath) override {
        drive_ = fullPath.substr(0, 2);
        writes.push_back(drive_);
    }
    // The user picks a drive.
    void Pick(const std::wstring& drive) { drive_ = drive; }
    std::vector<std::wstring> writes;

  private:
    std::wstring drive_ = L"c:";
};

}  // namespace numora::fakes
