// A fresh folder under the temp folder for real-file tests, removed with all
// it holds when the test ends.
#pragma once

#include <windows.h>

#include <string>

namespace numora::testing {

class ListingTempFolder {
  public:
    ListingTempFolder();
    ~ListingTempFolder();
    ListingTempFolder(const ListingTempFolder&) = delete;
    ListingTempFolder& operator=(const ListingTempFolder&) = delete;

    // Full path, without a trailing backslash.
    const std::wstring& Path() const { return path_; }

    // Creates an empty file or a folder (relative name) with the given
    // attributes; throws std::runtime_error when the file system refuses.
    std::wstring AddFile(const std::wstring& name, DWORD attributes = 0) const;
    std::wstring AddFolder(const std::wstring& name, DWORD attributes = 0) const;

  private:
    std::wstring path_;
};

}  // namespace numora::testing
