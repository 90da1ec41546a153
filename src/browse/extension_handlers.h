// The extension box's choice sets the file filter; the case button flips the extension's case.
#pragma once

#include <string>
#include <vector>

#include "browse/views.h"

namespace numora {

// The twelve entries of the extension box, in list order.
const std::vector<std::wstring>& ExtensionEntries();
// The file-list pattern that belongs to each position of the extension box's list.
const std::vector<std::wstring>& ExtensionPatterns();

// Runs only when the user chooses an entry; combo1's text already equals that entry.
void Combo1_Click(ComboControl& combo1, TextControl& command2, FileList& file1);
void Command2_Click(TextControl& command2, ComboControl& combo1, const LetterCase& letterCase);

}  // namespace numora
