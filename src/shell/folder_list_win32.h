// The folder list over an owner-drawn list box: the path from the root down to
// the current folder, indented like a tree, then the current folder's subfolders.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "browse/folder_path.h"
#include "browse/list_controls.h"

namespace numora {

class FolderListWin32 : public FolderList {
  public:
    // Shows `initialFolder` without notifying; an unreadable one leaves the list empty.
    FolderListWin32(HWND list, const std::wstring& initialFolder);
    FolderListWin32(const FolderListWin32&) = delete;
    FolderListWin32& operator=(const FolderListWin32&) = delete;

    // Runs after every change of Path.
    void SetChangeCallback(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    std::wstring Path() const override { return path_; }
    void SetPath(const std::wstring& path) override;

    // The folder of the selected row, which a double-click or Enter opens.
    std::optional<std::wstring> SelectedRowFolder() const;

    void SetRowHeight(int pixels);
    void SetIndentStep(int pixels) { indentStep_ = pixels; }
    void Draw(const DRAWITEMSTRUCT& item) const;

  private:
    void ShowRows(std::vector<FolderRow> rows);

    HWND list_;
    std::wstring path_;
    std::vector<FolderRow> rows_;
    std::function<void()> onChange_;
    int indentStep_ = 12;
};

}  // namespace numora
