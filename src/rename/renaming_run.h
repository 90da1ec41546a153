// One batch rename run: every listed file to base name + padding + number + "." + extension.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace numora {

// The one file-system operation a run needs, injected so that the engine stays
// free of windows.h: renames oldName to newName (full paths) and tells whether it
// did. Must fail, replacing nothing, when newName exists or oldName does not.
using RenameFile = std::function<bool(const std::wstring& oldName, const std::wstring& newName)>;

// The file list's count and a run's index are signed 16-bit numbers: the list
// shows at most this many files, and a run renames at most this many.
inline constexpr std::size_t kMaxListedFiles = std::numeric_limits<std::int16_t>::max();

enum class RunExit { NoFiles, Finished };

struct RenamingRunInput {
    std::wstring FolderPath;              // a root is "c:\", any other folder has no trailing "\"
    std::vector<std::wstring> FileNames;  // bare names in list order; past kMaxListedFiles unread
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
