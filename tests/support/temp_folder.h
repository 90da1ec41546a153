// A fresh folder for real-file tests, removed with everything in it when the
// test ends. Each file holds its own original name as content unless told
// otherwise, so after a rename every file shows where it came from.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace numora::test_support {

class TempFolder {
  public:
    // A new folder under %TEMP%.
    TempFolder();
    // A new folder under `parent`, which is created when missing.
    explicit TempFolder(const std::wstring& parent);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full path, without a trailing backslash.
    const std::wstring& Path() const { return path_; }
    // `name` may hold folders ("sub\x.jpg"), here and in every call below.
    std::wstring FullName(const std::wstring& name) const { return path_ + L"\\" + name; }

    // Creates the file, and any missing folder on its way, holding its bare
    // name or `content`, then gives it `attributes` (0 for none). Returns its
    // full name; throws std::runtime_error when the file system refuses.
    std::wstring AddFile(const std::wstring& name, DWORD attributes = 0) const;
    std::wstring AddFile(const std::wstring& name, const std::wstring& content,
                         DWORD attributes = 0) const;
    void AddFiles(const std::vector<std::wstring>& names) const;
    std::wstring AddFolder(const std::wstring& name, DWORD attributes = 0) const;
    // Removes the folder with everything in it; throws when it stays.
    void RemoveFolder(const std::wstring& name) const;

    // The content of the file, or nothing when it cannot be read.
    std::optional<std::wstring> Content(const std::wstring& name) const;
    // The bare names of the plain files in the folder (or a subfolder), sorted by code point.
    std::vector<std::wstring> Names(const std::wstring& subfolder = L"") const;

  private:
    std::wstring path_;
};

}  // namespace numora::test_support
