// The shell's handlers of the two windows (the navigation and extension
// handlers of the main window are browse/'s), written against views of the
// windows so that their logic runs and is tested without a window.
#pragma once

#include <array>
#include <string_view>

#include "rename/renaming_run.h"
#include "shell/form_views.h"

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

// The digit box's entries, in list order: entry k asks for k + 1 digits.
inline constexpr std::array<std::wstring_view, 6> kDigitChoiceEntries = {L"１桁", L"２桁", L"３桁",
                                                                         L"４桁", L"５桁", L"６桁"};

enum class LoadOutcome { ShowWindow, EndProgram };

LoadOutcome Form_Load(Form1View& form, InstanceRule& instances);
RenamingRunResult Command1_Click(Form1View& form, const RenameFile& renameFile);
void mend_Click(Form1View& form);
void mver_Click(AboutWindows& aboutWindows);

// The about window's.
void Command1_Click(Form2View& form);

}  // namespace numora
