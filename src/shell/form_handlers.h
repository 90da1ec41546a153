// The shell's handlers of the two windows (the navigation and extension
// handlers of the main window are browse/'s), written against views of the
// windows so that their logic runs and is tested without a window.
#pragma once

#include <array>
#include <string_view>

#include "rename/renaming_run.h"
#include "shell/form_views.h"
#include "shell/instance_rule.h"

namespace numora {

// The tips that the load sets, in the order it sets them.
struct ToolTipText {
    Form1Control control;
    std::wstring_view text;
};
inline constexpr std::array<ToolTipText, 5> kForm1ToolTips{{
    {Form1Control::Text1, L"基本となるファイル名を入力してね"},
    {Form1Control::Combo1, L"拡張子フィルタ\u3000直接入力も可能"},
    {Form1Control::Combo2, L"使用桁数を設定します"},
    {Form1Control::Command1, L"連番化を実行"},
    {Form1Control::Command2, L"拡張子の 大文字、小文字を切り替えます"},
}};

enum class LoadOutcome { ShowWindow, EndProgram };

LoadOutcome Form_Load(Form1View& form, InstanceRule& instances);
RenamingRunResult Command1_Click(Form1View& form, const RenameFile& renameFile);
void mend_Click(Form1View& form);
void mver_Click(AboutWindows& aboutWindows);

// The about window's.
void Command1_Click(Form2View& form);
// The unload always goes ahead: the cancel flag is left as it came.
void Form_Unload(int& cancel);

}  // namespace numora
