// In-memory stand-ins for the controls. Every write goes to one log, as
// "Name=value", so that a test can see what the handlers did and in what order.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "browse/controls.h"

namespace numora::fakes {

using Log = std::vector<std::wstring>;

inline std::system_error Refused(const char* what) {
    return std::system_error(std::make_error_code(std::errc::io_error), what);
}

class FakeText : public TextControl {
  public:
    FakeText(Log& log, std::wstring name, std::wstring text = L"")
        : log_(log), name_(std::move(name)), text_(std::move(text)) {}
    std::wstring Text() const override { return text_; }
    void SetText(const std::wstring& text) override {
        if (failWrites) throw Refused("text write refused");
        text_ = text;
        log_.push_back(name_ + L"=" + text);
    }
    bool failWrites = false;

  private:
    Log& log_;
    std::wstring name_;
    std::wstring text_;
};

class FakeCombo : public ComboControl {
  public:
    FakeCombo(Log& log, std::wstring name) : text_(log, std::move(name)) {}
    std::wstring Text() const override { return text_.Text(); }
    void SetText(const std::wstring& text) override { text_.SetText(text); }
    int ListCount() const override { return static_cast<int>(items.size()); }
    std::wstring List(int index) const override {
        return items.at(static_cast<std::size_t>(index));
    }
    void AddItem(const std::wstring& item) override { items.push_back(item); }
    std::vector<std::wstring> items;
    FakeText text_;
};

class FakeNotice : public UserNotice {
  public:
    explicit FakeNotice(Log& log) : log_(log) {}
    void BeepAndShowInformation(const std::wstring& text) override {
        log_.push_back(L"beep and box=" + text);
    }

  private:
    Log& log_;
};

// A disk of folders, each with its files; folders in `unreadable` cannot be listed.
struct FakeDisk {
    std::map<std::wstring, std::vector<std::wstring>> folders;
    std::set<std::wstring> unreadable;
};

class FakeFileList : public FileList {
  public:
    FakeFileList(Log& log, FakeDisk& disk) : log_(log), disk_(disk) {}
    void SetPath(const std::wstring& folder) override {
        log_.push_back(L"File1.Path=" + folder);
        path_ = folder;
        Refresh();
    }
    void SetPattern(const std::wstring& pattern) override {
        log_.push_back(L"File1.Pattern=" + pattern);
    }
    std::int16_t ListCount() const override {
        if (failCount) throw Refused("count refused");
        return static_cast<std::int16_t>(entries.size());
    }
    std::wstring List(std::int16_t index) const override {
        return entries.at(static_cast<std::size_t>(index));
    }
    void Refresh() override {
        log_.push_back(L"File1.Refresh");
        if (disk_.unreadable.count(path_) != 0) throw Refused("folder cannot be read");
        entries = disk_.folders[path_];
    }
    void Clear() override {
        log_.push_back(L"File1.Clear");
        entries.clear();
    }
    std::vector<std::wstring> entries;
    bool failCount = false;

  private:
    Log& log_;
    FakeDisk& disk_;
    std::wstring path_;
};

// Paths are drive roots or folders of the disk; "r:" is never ready.
class FakeFolderList : public FolderList {
  public:
    FakeFolderList(Log& log, FakeDisk& disk, std::wstring path)
        : log_(log), disk_(disk), path_(std::move(path)) {}
    std::wstring Path() const override { return path_; }
    void SetPath(const std::wstring& path) override {
        const std::wstring folder = path.size() == 2 ? path + L"\\" : path;
        if (disk_.folders.count(folder) == 0) throw Refused("not ready");
        log_.push_back(L"Dir1.Path=" + folder);
        const bool changed = folder != path_;
        path_ = folder;
        if (changed && onChange) onChange();
    }
    std::function<void()> onChange;

  private:
    Log& log_;
    FakeDisk& disk_;
    std::wstring path_;
};

class FakeDriveList : public DriveList {
  public:
    FakeDriveList(Log& log, std::wstring drive) : log_(log), drive_(std::move(drive)) {}
    std::wstring Drive() const override { return drive_; }
    void SetDrive(const std::wstring& fullPath) override {
        drive_ = fullPath.substr(0, 2);
        log_.push_back(L"Drive1.Drive=" + drive_);
    }

  private:
    Log& log_;
    std::wstring drive_;
};

}  // namespace numora::fakes
