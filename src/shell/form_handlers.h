// The shell's handlers of the two windows (the navigation and extension
// handlers of the main window are browse/'s), written against views of the
// windows so that their logic runs and is tested without a window.
#pragma once

#include "rename/renaming_run.h"
#include "shell/form_views.h"

namespace numora {

enum class LoadOutcome { ShowWindow, EndProgram };

LoadOutcome Form_Load(Form1View& form, InstanceRule& instances);
void Command1_Click(Form1View& form, const RenameFile& renameFile);
void mend_Click(Form1View& form);
void mver_Click(AboutWindows& aboutWindows);

// The about window's.
void Command1_Click(Form2View& about);

}  // namespace numora
