// A fresh folder under %TEMP% for real renames, removed with everything in it.
// Each file holds its own original name as content, so after a run every file
// shows where it came from.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace numora::test_support {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's full path, without a trailing backslash.
    const std::wstring& Path() const { return path_; }
    std::wstring FullName(const std::wstring& name) const { return path_ + L"\\" + name; }

    // Creates the file name with content (by default the name itself); throws on failure.
    void AddFile(const std::wstring& name) { AddFile(name, name); }
    void AddFile(const std::wstring& name, const std::wstring& content);
    // The content of name, or nothing when it cannot be opened.
    std::optional<std::wstring> Content(const std::wstring& name) const;
    // The bare names of the folder's files, sorted.
    std::vector<std::wstring> Names() const;

  private:
    std::wstring path_;
};

}  // namespace numora::test_support
