#include "rename/renaming_run.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <string_view>

#include "rename/sequence_number.h"

namespace numora {
namespace {

// Only these exact texts count as a drive's root; every other folder, "C:\"
// and "z:\" included, is followed by a separator of its own.
constexpr std::array<std::wstring_view, 10> kRootTexts = {
    L"a:\\", L"b:\\", L"c:\\", L"d:\\", L"e:\\", L"f:\\", L"g:\\", L"h:\\", L"i:\\", L"q:\\"};

std::wstring_view Separator(const std::wstring& folderPath) {
    const bool isRootText =
        std::find(kRootTexts.begin(), kRootTexts.end(), folderPath) != kRootTexts.end();
    return isRootText ? L"" : L"\\";
}

constexpr std::int16_t kLastIndex = std::numeric_limits<std::int16_t>::max();

}  // namespace

RenamingRunResult RenamingRun(const RenamingRunInput& input, const RenameFile& renameFile) {
    RenamingRunResult result;
    if (input.FileNames.empty()) {
        return result;
    }
    result.ExitKind = RunExit::Finished;

    // The list's count is a signed 16-bit number; a longer list (which the list
    // control never hands over) is cut at the last index the count can hold.
    const std::int16_t count = input.FileNames.size() > static_cast<std::size_t>(kLastIndex)
                                   ? kLastIndex
                                   : static_cast<std::int16_t>(input.FileNames.size());

    const std::wstring_view separator = Separator(input.FolderPath);
    std::wstring counter = L"0";
    std::wstring padding;
    for (std::int16_t i = 1; i <= count;) {
        counter = NextCounterText(counter);
        padding = ZeroPadding(input.DigitChoiceText, input.DigitChoiceEntries, counter, padding);

        std::wstring oldName = input.FolderPath;
        oldName.append(separator).append(input.FileNames[static_cast<std::size_t>(i - 1)]);
        std::wstring newName = input.FolderPath;
        newName.append(separator)
            .append(input.BaseName)
            .append(padding)
            .append(counter)
            .append(L".")
            .append(input.ExtensionText);

        // A file that already bears its sequential name needs no rename, so a
        // second press over a finished run goes through harmlessly.
        if (newName != oldName) {
            const RenameOutcome outcome = renameFile(oldName, newName);
            if (!outcome.succeeded) {
                result.StoppedAt = static_cast<std::int16_t>(i - 1);
                result.ErrorCode = outcome.errorCode;
                result.CounterText = counter;
                return result;
            }
        }

        // Stepping the 16-bit index past its largest value overflows, which
        // ends the run just as reaching the end of the list does.
        if (i == kLastIndex) {
            break;
        }
        ++i;
    }
    result.CounterText = counter;
    return result;
}

}  // namespace numora
