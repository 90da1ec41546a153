// A hidden parent window for controls under test, which records the commands
// its controls send; and a temporary folder that removes itself.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/control_factory.h"
#include "shell/layout_types.h"
#include "shell/win32_handles.h"

namespace numora::testing_support {

struct Command {
    int id;
    int code;
};

class TestParent {
  public:
    TestParent();
    TestParent(const TestParent&) = delete;
    TestParent& operator=(const TestParent&) = delete;

    HWND Handle() const { return window_.get(); }
    HFONT Font() const { return font_.get(); }
    // A control of `layout`'s kind and place, at 96 DPI, as the windows create it.
    HWND Create(const ControlLayout& layout, ComboFieldFit* fit = nullptr);

    std::vector<Command> commands;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    UniqueWindow window_;
    UniqueFont font_;
};

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring Join(const std::wstring& name) const { return path_ + L"\\" + name; }
    void AddFile(const std::wstring& name) const;
    void AddFolder(const std::wstring& name) const;

  private:
    std::wstring path_;
};

}  // namespace numora::testing_support
