#include "rename/renaming_run.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "rename/sequence_number.h"

namespace numora {
namespace {

// Only these exact texts count as a drive's root; every other folder, "C:\"
// and "z:\" included, is followed by a separator of its own. The list is as
// the program has always had it and needs no completing: the doubled separator
// after any other root names the same file.
constexpr std::array<std::wstring_view, 10> kRootTexts = {
    L"a:\\", L"b:\\", L"c:\\", L"d:\\", L"e:\\", L"f:\\", L"g:\\", L"h:\\", L"i:\\", L"q:\\"};

std::wstring_view Separator(const std::wstring& folderPath) {
    const bool isRootText =
        std::find(kRootTexts.begin(), kRootTexts.end(), folderPath) != kRootTexts.end();
    return isRootText ? L"" : L"\\";
}

}  // namespace

RenamingRunResult RenamingRun(const RenamingRunInput& input, const RenameFile& renameFile) {
    RenamingRunResult result;
    if (input.FileNames.empty()) {
        return result;
    }
    result.ExitKind = RunExit::Finished;

    // A run's file index is a signed 16-bit number: a list longer than the file
    // list can hold (only a caller other than the window can give one) is renamed
    // up to its 32767th file, as far as that index reaches.
    const std::size_t count = std::min(input.FileNames.size(), kMaxListedFiles);
    const std::wstring_view separator = Separator(input.FolderPath);
    std::wstring counter = L"0";
    std::wstring padding;
    for (std::size_t index = 0; index < count; ++index) {
        counter = NextCounterText(counter);
        padding = ZeroPadding(input.DigitChoiceText, input.DigitChoiceEntries, counter, padding);

        std::wstring oldName = input.FolderPath;
        oldName.append(separator).append(input.FileNames[index]);
        std::wstring newName = input.FolderPath;
        newName.append(separator)
            .append(input.BaseName)
            .append(padding)
            .append(counter)
            .append(L".")
            .append(input.ExtensionText);

        // A file that already bears its sequential name needs no rename, so a
        // second press over a finished run goes through harmlessly.
        if (newName != oldName && !renameFile(oldName, newName)) {
            result.StoppedAt = static_cast<std::int16_t>(index);
            result.CounterText = counter;
            return result;
        }
    }
    result.CounterText = counter;
    return result;
}

}  // namespace numora
