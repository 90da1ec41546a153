// One batch rename run: every listed file to base name + padding + number + "." + extension.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace numora {

// The one file-system operation a run needs, injected so that the engine stays
// free of windows.h: renames oldName to newName (full paths) and tells whether it
// did. Must fail, replacing nothing, when newName exists or oldName does not.
using RenameFile = std::function<bool(const std::wstring& oldName, const std::wstring& newName)>;

enum class RunExit { NoFiles, Finished };

struct RenamingRunInput {
    std::wstring FolderPath;              // a root is "c:\", any other folder has no trailing "\"
    std::vector<std::wstring> FileNames;  // bare names in list order, at most 32767
    std::wstring BaseName;
    std::wstring DigitChoiceText;
    std::vector<std::wstring> DigitChoiceEntries;  // the digit box's entries, normally six
    std::wstring ExtensionText;
};

struct RenamingRunResult {
    std::wstring CounterText = L"0";
    RunExit ExitKind = RunExit::NoFiles;
    // Which file (index into FileNames) stopped the run; empty after a full run.
    std::optional<std::int16_t> StoppedAt;
};

RenamingRunResult RenamingRun(const RenamingRunInput& input, const RenameFile& renameFile);

}  // namespace numora
