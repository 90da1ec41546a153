// Many generated runs against the in-memory files, each checked against a
// plain model of what Windows would do: nothing lost, nothing overwritten,
// exactly the files before the stop renamed.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "in_memory_files.h"
#include "rename/renaming_run.h"

namespace numora {
namespace {

using test_support::FoldCase;
using test_support::InMemoryFiles;
using test_support::kAlreadyExists;
using test_support::kFileNotFound;

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};
const std::vector<std::wstring> kFolders = {L"c:\\", L"q:\\",       L"C:\\",
                                            L"z:\\", L"c:\\photos", L"d:\\旅 行"};
const std::vector<std::wstring> kChoices = {L"１桁", L"２桁", L"３桁", L"４桁",
                                            L"５桁", L"６桁", L"3桁",  L""};
const std::vector<std::wstring> kBaseNames = {L"trip", L"", L"Trip", L"写真"};
const std::vector<std::wstring> kExtensions = {L"jpg", L"JPG", L"", L"jpeg"};
constexpr std::uint32_t kInjectedError = 5;

struct Scenario {
    RenamingRunInput input;
    std::vector<std::wstring> present;  // full names of every file before the run
    std::optional<std::size_t> failingCall;
};

class Generator {
  public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    Scenario Next() {
        Scenario s;
        s.input.FolderPath = Pick(kFolders);
        s.input.BaseName = Pick(kBaseNames);
        s.input.DigitChoiceText = Pick(kChoices);
        s.input.DigitChoiceEntries = kEntries;
        s.input.ExtensionText = Pick(kExtensions);
        const std::wstring prefix = FolderPrefix(s.input.FolderPath);

        std::set<std::wstring> taken;  // folded, so no two files clash by case
        const std::size_t listed = Below(40);
        while (s.input.FileNames.size() < listed) {
            const std::wstring name = RandomName(s.input);
            if (!taken.insert(FoldCase(prefix + name)).second) {
                continue;
            }
            s.input.FileNames.push_back(name);
            if (Below(20) != 0) {  // now and then the list is stale
                s.present.push_back(prefix + name);
            }
        }
        const std::size_t extra = Below(4);
        for (std::size_t e = 0; e < extra; ++e) {
            const std::wstring name = RandomName(s.input);
            if (taken.insert(FoldCase(prefix + name)).second) {
                s.present.push_back(prefix + name);
            }
        }
        if (listed > 0 && Below(4) == 0) {
            s.failingCall = 1 + Below(listed);
        }
        return s;
    }

  private:
    std::size_t Below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }
    const std::wstring& Pick(const std::vector<std::wstring>& from) {
        return from[Below(from.size())];
    }

    std::wstring RandomCase(std::wstring text) {
        for (wchar_t& ch : text) {
            if (ch >= L'a' && ch <= L'z' && Below(2) == 0) {
                ch = static_cast<wchar_t>(ch - L'a' + L'A');
            }
        }
        return text;
    }

    // Mostly names that a run of this shape would give, so collisions, names
    // already in place and case-only differences all come up.
    std::wstring RandomName(const RenamingRunInput& input) {
        switch (Below(4)) {
            case 0:
                return L"x" + std::to_wstring(Below(1000)) + L".jpg";
            case 1:
                return RandomCase(ExpectedBareName(input, 1 + Below(40)));
            default:
                return ExpectedBareName(input, 1 + Below(40));
        }
    }

  public:
    static std::wstring FolderPrefix(const std::wstring& folder) {
        static const std::set<std::wstring> roots = {L"a:\\", L"b:\\", L"c:\\", L"d:\\", L"e:\\",
                                                     L"f:\\", L"g:\\", L"h:\\", L"i:\\", L"q:\\"};
        return roots.contains(folder) ? folder : folder + L"\\";
    }

    static std::wstring ExpectedBareName(const RenamingRunInput& input, std::size_t number) {
        std::size_t width = 0;
        for (std::size_t k = 0; k < kEntries.size(); ++k) {
            if (input.DigitChoiceText == kEntries[k]) {
                width = k + 1;
                break;
            }
        }
        std::wstring digits = std::to_wstring(number);
        if (digits.size() < width) {
            digits.insert(0, width - digits.size(), L'0');
        }
        return input.BaseName + digits + L"." + input.ExtensionText;
    }

  private:
    std::mt19937 random_;
};

struct Expectation {
    std::optional<std::size_t> stopAt;
    std::uint32_t errorCode = 0;
    std::map<std::wstring, std::wstring> nameByOriginal;  // where each file ends up
};

// Windows' rules, file by file: names compared by folded case, nothing replaced.
Expectation Model(const Scenario& s) {
    Expectation expected;
    std::map<std::wstring, std::wstring> originalByFolded;
    for (const std::wstring& name : s.present) {
        originalByFolded.emplace(FoldCase(name), name);
        expected.nameByOriginal.emplace(name, name);
    }
    const std::wstring prefix = Generator::FolderPrefix(s.input.FolderPath);
    std::size_t calls = 0;
    for (std::size_t i = 0; i < s.input.FileNames.size(); ++i) {
        const std::wstring oldName = prefix + s.input.FileNames[i];
        const std::wstring newName = prefix + Generator::ExpectedBareName(s.input, i + 1);
        if (oldName == newName) {
            continue;
        }
        ++calls;
        const auto source = originalByFolded.find(FoldCase(oldName));
        if (s.failingCall == calls) {
            expected.stopAt = i;
            expected.errorCode = kInjectedError;
        } else if (source == originalByFolded.end()) {
            expected.stopAt = i;
            expected.errorCode = kFileNotFound;
        } else if (FoldCase(newName) != source->first &&
                   originalByFolded.contains(FoldCase(newName))) {
            expected.stopAt = i;
            expected.errorCode = kAlreadyExists;
        }
        if (expected.stopAt) {
            return expected;
        }
        const std::wstring original = source->second;
        originalByFolded.erase(source);
        originalByFolded.emplace(FoldCase(newName), original);
        expected.nameByOriginal[original] = newName;
    }
    return expected;
}

void CheckRun(const Scenario& s) {
    InMemoryFiles files;
    for (const std::wstring& name : s.present) {
        files.AddFile(name);
    }
    if (s.failingCall) {
        files.FailRenameCall(*s.failingCall, kInjectedError);
    }
    const Expectation expected = Model(s);

    const RenamingRunResult result = RenamingRun(s.input, files.Renamer());

    const std::size_t count = s.input.FileNames.size();
    ASSERT_EQ(result.ExitKind, count == 0 ? RunExit::NoFiles : RunExit::Finished);
    ASSERT_EQ(result.StoppedAt.has_value(), expected.stopAt.has_value());
    if (expected.stopAt) {
        ASSERT_EQ(static_cast<std::size_t>(*result.StoppedAt), *expected.stopAt);
        ASSERT_EQ(result.ErrorCode, expected.errorCode);
    }
    const std::size_t reached = expected.stopAt ? *expected.stopAt + 1 : count;
    ASSERT_EQ(result.CounterText, std::to_wstring(reached));

    // Every file still there, under exactly one name, none overwritten.
    const std::map<std::wstring, std::wstring> where = files.NamesByContent();
    ASSERT_EQ(where.size(), s.present.size());
    std::set<std::wstring> foldedNames;
    for (const auto& [original, name] : where) {
        ASSERT_TRUE(foldedNames.insert(FoldCase(name)).second) << "two files share a name";
    }

    // Listed files before the stop bear their sequential names (unless a stale
    // entry further on named them again), the rest keep theirs.
    const std::wstring prefix = Generator::FolderPrefix(s.input.FolderPath);
    const std::size_t renamed = expected.stopAt ? *expected.stopAt : count;
    for (std::size_t i = renamed; i < count; ++i) {
        const std::wstring original = prefix + s.input.FileNames[i];
        if (where.contains(original)) {
            ASSERT_EQ(where.at(original), original) << "listed file " << i << " after the stop";
        }
    }
    ASSERT_EQ(where, expected.nameByOriginal);
}

TEST(RenamingRunRandomTest, GeneratedRunsKeepEveryFile) {
    constexpr std::uint32_t kFirstSeed = 20010503;
    std::map<std::uint32_t, int> outcomes;  // error code of the stop, 0 for a full run
    for (std::uint32_t seed = kFirstSeed; seed < kFirstSeed + 5000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Scenario scenario = Generator(seed).Next();
        ++outcomes[Model(scenario).errorCode];
        CheckRun(scenario);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    // The generated runs must reach every way a run can end.
    for (const std::uint32_t code : {0u, kFileNotFound, kAlreadyExists, kInjectedError}) {
        EXPECT_GT(outcomes[code], 100) << "too few runs ending with code " << code;
    }
}

}  // namespace
}  // namespace numora
