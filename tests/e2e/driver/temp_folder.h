// One test's own folder on the Linux side, seen by Wine under Z:. Each file
// holds its own original name, so after a rename every file shows where it
// came from. The folder and everything in it is removed at the end.
#pragma once

#include <string>
#include <vector>

namespace numora::e2e {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full Windows path ("Z:\...\case-12-3"), without a trailing backslash.
    const std::wstring& Path() const { return path_; }
    // `relativeName` may hold one or more folders: "sub\x.jpg".
    void AddFile(const std::wstring& relativeName) const;
    void AddFiles(const std::vector<std::wstring>& relativeNames) const;
    void AddFolder(const std::wstring& relativeName) const;
    void RemoveFolder(const std::wstring& relativeName) const;

    // Plain files directly in the folder (or in a subfolder), sorted by code point.
    std::vector<std::wstring> FileNames(const std::wstring& subfolder = L"") const;
    // The content of a file, read back as the name it was given.
    std::wstring ContentOf(const std::wstring& relativeName) const;

  private:
    std::wstring path_;
};

}  // namespace numora::e2e
