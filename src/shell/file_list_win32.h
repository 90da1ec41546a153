// The file list over a list box, in the order the listing gives (not sorted by the box).
#pragma once

#include <windows.h>

#include <string>

#include "browse/list_controls.h"

namespace numora {

class FileListWin32 : public FileList {
  public:
    FileListWin32(HWND list, std::wstring pattern) : list_(list), pattern_(std::move(pattern)) {}

    // Lists `folder` at start; a folder that cannot be read leaves the list empty.
    void ShowInitialFolder(const std::wstring& folder);

    std::wstring Path() const override { return path_; }
    void SetPath(const std::wstring& folder) override;
    std::wstring Pattern() const override { return pattern_; }
    void SetPattern(const std::wstring& pattern) override;
    std::int16_t ListCount() const override;
    std::wstring List(std::int16_t index) const override;
    void Refresh() override;
    void Clear() override;

  private:
    // On a failure the list is left empty, never showing another folder's names.
    void Reload();

    HWND list_;
    std::wstring path_;
    std::wstring pattern_;
};

}  // namespace numora
