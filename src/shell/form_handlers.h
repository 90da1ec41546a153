// The handlers of both windows, written against small views of their controls
// so that their logic runs and is tested without a window.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "browse/controls.h"
#include "rename/renaming_run.h"

namespace numora {

enum class MousePointer { Default = 0, ArrowHourglass = 13 };

class MainWindowView {
  public:
    virtual ~MainWindowView() = default;
    virtual void SetOuterWidthTwips(int twips) = 0;
    // controlName is the layout name: "Text1", "Combo1", "Combo2", "Command1", "Command2".
    virtual void SetToolTip(const std::wstring& controlName, const std::wstring& text) = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    virtual void Unload() = 0;
};

class AboutWindows {
  public:
    virtual ~AboutWindows() = default;
    virtual void OpenNew() = 0;  // a new, modeless about window every time
};

class InstanceRule {
  public:
    virtual ~InstanceRule() = default;
    virtual bool EarlierInstanceRunning() = 0;
};

struct Form1Controls {
    DriveList& Drive1;
    FolderList& Dir1;
    FileList& File1;
    TextControl& Text1;
    TextControl& Text2;
    ComboControl& Combo1;
    ComboControl& Combo2;
    TextControl& Command1;
    TextControl& Command2;
    MainWindowView& Form;
    UserNotice& Notice;
};

// The tips that the load sets, in the order it sets them, by the controls' layout names.
struct ToolTipText {
    std::wstring_view control;
    std::wstring_view text;
};
inline constexpr std::array<ToolTipText, 5> kForm1ToolTips{{
    {L"Text1", L"基本となるファイル名を入力してね"},
    {L"Combo1", L"拡張子フィルタ\u3000直接入力も可能"},
    {L"Combo2", L"使用桁数を設定します"},
    {L"Command1", L"連番化を実行"},
    {L"Command2", L"拡張子の 大文字、小文字を切り替えます"},
}};

enum class LoadOutcome { ShowWindow, EndProgram };

LoadOutcome Form_Load(Form1Controls& form, InstanceRule& instances);
RenamingRunResult Command1_Click(Form1Controls& form, const RenameFile& renameFile);
void mend_Click(MainWindowView& form);
void mver_Click(AboutWindows& aboutWindows);

// The about window.
class AboutWindowView {
  public:
    virtual ~AboutWindowView() = default;
    virtual void Unload() = 0;  // this about window only
};

void Command1_Click(AboutWindowView& form);
// The unload always goes ahead: the cancel flag is left as it came.
void Form_Unload(int& cancel);

}  // namespace numora
