#include "rename/renaming_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>

namespace numora {
namespace {

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};

// How a random run ends (up to kEmpty), or a rename fails; then what else a run meets.
enum Way { kFull, kTaken, kTakenInOtherCase, kMissing, kDenied, kEmpty, kStopAtFirst, kWays };
enum Met { kAlreadyNamed, kRespelled, kPast1000, kMets };

// A volume as MoveFileW sees one on NTFS: names compare without regard to
// letter case and a doubled separator names the same file; a rename fails when
// its source is missing or its target is another file, and a failed rename
// changes nothing. Each file holds the name it was made with.
class FakeVolume {
  public:
    using File = std::pair<std::wstring, std::wstring>;  // as spelled, and its content

    static std::wstring Key(const std::wstring& path) {
        std::wstring key;
        for (const wchar_t c : path) {
            if (c == L'\\' && !key.empty() && key.back() == L'\\') continue;
            key.push_back(c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c);
        }
        return key;
    }
    void Add(const std::wstring& path, const std::wstring& content) {
        files[Key(path)] = {path, content};
    }
    // Why the rename failed, kFull when it did not. `deniedCall` counts from 0;
    // that call fails with access denied.
    Way Rename(const std::wstring& from, const std::wstring& to, int deniedCall) {
        if (calls++ == deniedCall) return kDenied;
        const auto source = files.find(Key(from));
        if (source == files.end()) return kMissing;
        if (const auto taken = files.find(Key(to)); taken != files.end() && taken != source)
            return taken->second.first == to ? kTaken : kTakenInOtherCase;
        File moved{to, source->second.second};
        files.erase(source);
        files[Key(to)] = moved;
        return kFull;
    }

    std::map<std::wstring, File> files;
    int calls = 0;
};

// Random runs against the fake volume. The test works out from the input alone
// which renames must be asked for, where the run stops and why, the counter, and
// the whole volume afterwards; each way of ending must occur often.
TEST(RenamingRunTest, RandomRunsDoExactlyThePredictedRenames) {
    const char* const kWayNames[] = {
        "full run", "taken name", "name taken in another case", "missing file",
        "denied",   "empty list", "stop at the first file"};
    const char* const kMetNames[] = {"already its name", "own name respelled", "run past 1000"};
    std::array<int, kWays> ways{};
    std::array<int, kMets> mets{};
    // Each folder text with the start of its files' full names: only the ten
    // root texts go without a separator of the run's own, not "C:\" or "z:\".
    std::vector<std::pair<std::wstring, std::wstring>> folders = {
        {L"C:\\", L"C:\\\\"}, {L"z:\\", L"z:\\\\"}, {L"d:\\写真\\旅", L"d:\\写真\\旅\\"}};
    for (const wchar_t letter : std::wstring(L"abcdefghiq")) {
        folders.emplace_back(std::wstring{letter, L':', L'\\'}, std::wstring{letter, L':', L'\\'});
    }
    const std::vector<std::wstring> choices = {L"１桁", L"２桁", L"３桁", L"４桁",
                                               L"５桁", L"６桁", L"3桁",  L""};
    const std::vector<std::wstring> bases = {L"", L"trip", L"TRIP", L"Trip", L"旅"};
    const std::vector<std::wstring> extensions = {L"jpg", L"JPG", L"", L"jpeg"};
    std::mt19937 random(20011203);
    const auto pick = [&](const std::vector<std::wstring>& from) {
        return from[random() % from.size()];
    };

    for (int round = 0; round < 10000; ++round) {
        const auto& [folderText, folder] = folders[random() % folders.size()];
        // Braced, so the picks are made in this order.
        RenamingRunInput input{folderText,    {},       pick(bases),
                               pick(choices), kEntries, pick(extensions)};
        // Once, a list longer than the 16-bit count, the widest padding across 10000.
        const bool longest = round == 1;
        if (longest) input.DigitChoiceText = L"６桁";
        // The new name of file `number`: the chosen entry's width, or no padding.
        const auto entry = std::find(kEntries.begin(), kEntries.end(), input.DigitChoiceText);
        const std::size_t width =
            entry == kEntries.end() ? 0 : static_cast<std::size_t>(entry - kEntries.begin()) + 1;
        const auto newName = [&](int number) {
            std::wstring digits = std::to_wstring(number);
            digits.insert(0, width > digits.size() ? width - digits.size() : 0, L'0');
            return input.BaseName + digits + L"." + input.ExtensionText;
        };

        // The folder: listed files, some gone since they were listed, and a file
        // the list does not show. A long list, past 999 files, meets each of
        // those rarely, so that most such runs get past file 1000.
        FakeVolume volume;
        std::set<std::wstring> listedKeys;
        const bool longList = round % 250 == 1;
        const int count = round % 50 == 0 ? 0
                          : longest       ? 32769
                          : longList      ? 1000 + static_cast<int>(random() % 10)
                                          : 1 + static_cast<int>(random() % 12);
        const unsigned rarely = longList ? 20000 : 1;
        for (int i = 0; i < count; ++i) {
            // Some named as the run names a file here or later, some in lower case,
            // which Windows takes for the same name.
            const int kind = static_cast<int>(random() % (8 * rarely)),
                      other = 1 + static_cast<int>(random() % (longList ? count : 9));
            const std::wstring name = kind == 0   ? newName(i + 1)
                                      : kind == 1 ? newName(other)
                                      : kind == 2 ? FakeVolume::Key(newName(other))
                                                  : L"p" + std::to_wstring(i) + L".jpg";
            if (!listedKeys.insert(FakeVolume::Key(name)).second) continue;
            input.FileNames.push_back(name);
            if (random() % (12 * rarely) != 0) volume.Add(folder + name, name);
        }
        if (random() % 6 == 0) {
            const std::wstring unlisted = newName(1 + static_cast<int>(random() % 9));
            if (listedKeys.count(FakeVolume::Key(unlisted)) == 0)
                volume.Add(folder + unlisted, L"unlisted");
        }
        const int deniedCall =
            random() % (5 * rarely) == 0 ? static_cast<int>(random() % (6 * rarely)) : -1;

        // The prediction, on a copy of the volume.
        FakeVolume predicted = volume;
        std::vector<std::wstring> expectedCalls;
        int counter = 0;
        Way way = input.FileNames.empty() ? kEmpty : kFull;
        std::set<Met> met;
        // The 16-bit index ends a run after file 32767.
        const int last = std::min(static_cast<int>(input.FileNames.size()), 32767);
        for (int number = 1; number <= last; ++number) {
            counter = number;
            const std::wstring from = folder + input.FileNames[number - 1];
            const std::wstring to = folder + newName(number);
            if (from == to) {
                met.insert(kAlreadyNamed);
                continue;
            }
            if (FakeVolume::Key(from) == FakeVolume::Key(to)) met.insert(kRespelled);
            expectedCalls.push_back(from + L" -> " + to);
            if ((way = predicted.Rename(from, to, deniedCall)) != kFull) break;
        }
        const bool stopped = way != kFull && way != kEmpty;
        if (stopped && counter == 1) ++ways[kStopAtFirst];
        if (counter >= 1000) met.insert(kPast1000);

        std::vector<std::wstring> calls;
        const RenamingRunResult result =
            RenamingRun(input, [&](const std::wstring& from, const std::wstring& to) {
                calls.push_back(from + L" -> " + to);
                return volume.Rename(from, to, deniedCall) == kFull;
            });

        SCOPED_TRACE("round " + std::to_string(round) + ", " + kWayNames[way]);
        ASSERT_EQ(calls, expectedCalls);
        ASSERT_EQ(result.CounterText, std::to_wstring(counter));
        ASSERT_TRUE(!longest || counter == 32767) << "the longest run ended early";
        ASSERT_EQ(result.ExitKind, input.FileNames.empty() ? RunExit::NoFiles : RunExit::Finished);
        ASSERT_EQ(result.StoppedAt,
                  stopped ? std::optional<std::int16_t>(counter - 1) : std::nullopt);
        ASSERT_EQ(volume.files, predicted.files);
        ++ways[way];
        for (const Met also : met) ++mets[also];
    }
    for (int way = 0; way < kWays; ++way) EXPECT_GE(ways[way], 100) << kWayNames[way];
    for (int also = 0; also < kMets; ++also)
        EXPECT_GE(mets[also], also == kPast1000 ? 30 : 100) << kMetNames[also];
}

}  // namespace
}  // namespace numora
