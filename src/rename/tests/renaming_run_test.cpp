#include "rename/renaming_run.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>
#include <set>

namespace numora {
namespace {

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};
constexpr std::uint32_t kFileNotFound = 2, kAlreadyExists = 183;

RenamingRunInput Input(std::wstring folder, std::vector<std::wstring> names,
                       std::wstring base = L"trip", std::wstring choice = L"３桁",
                       std::wstring extension = L"jpg") {
    return {std::move(folder), std::move(names), std::move(base),
            std::move(choice), kEntries,         std::move(extension)};
}

// Each row runs over "a.jpg", "b.jpeg": the first file's old name shows the
// separator rule (a folder of no root text gets a separator of its own, even
// "C:\"), the second's new name the padding (none for a choice of no entry),
// number and extension.
TEST(RenamingRunTest, NamesEachListedFileInListOrder) {
    std::vector<std::array<std::wstring, 6>> rows = {
        // folder, base, choice, extension, old 1, new 2
        {L"c:\\photos", L"trip", L"３桁", L"jpg", L"c:\\photos\\a.jpg", L"c:\\photos\\trip002.jpg"},
        {L"C:\\", L"trip", L"３桁", L"jpg", L"C:\\\\a.jpg", L"C:\\\\trip002.jpg"},
        {L"z:\\", L"trip", L"３桁", L"jpg", L"z:\\\\a.jpg", L"z:\\\\trip002.jpg"},
        {L"d:\\写真", L"", L"６桁", L"jpg", L"d:\\写真\\a.jpg", L"d:\\写真\\000002.jpg"},
        {L"c:\\p", L"x", L"3桁", L"", L"c:\\p\\a.jpg", L"c:\\p\\x2."},
    };
    for (const wchar_t letter : std::wstring(L"abcdefghiq")) {
        const std::wstring root = std::wstring(1, letter) + L":\\";
        rows.push_back({root, L"trip", L"３桁", L"jpg", root + L"a.jpg", root + L"trip002.jpg"});
    }
    for (const auto& [folder, base, choice, extension, firstOld, secondNew] : rows) {
        std::vector<std::wstring> renamed;  // old and new names, file by file
        const RenamingRunResult result =
            RenamingRun(Input(folder, {L"a.jpg", L"b.jpeg"}, base, choice, extension),
                        [&](const std::wstring& from, const std::wstring& to) {
                            renamed.insert(renamed.end(), {from, to});
                            return RenameOutcome{true, 0};
                        });
        ASSERT_EQ(renamed.size(), 4u);
        EXPECT_EQ(renamed[0], firstOld);
        EXPECT_EQ(renamed[3], secondNew);
        EXPECT_EQ(result.CounterText, L"2");
    }
}

TEST(RenamingRunTest, TheSixteenBitIndexEndsAfterFile32767) {
    for (const int count : {32767, 32769}) {
        std::vector<std::wstring> names(static_cast<std::size_t>(count), L"f");
        int renames = 0;
        const RenamingRunResult result = RenamingRun(Input(L"c:\\p", names), [&](auto&, auto&) {
            return ++renames, RenameOutcome{true, 0};
        });
        EXPECT_EQ(result.CounterText, L"32767") << count << " files";
        EXPECT_EQ(renames, 32767) << count << " files";
    }
}

// Random folders where listed files may already hold the names the run gives,
// or be gone: no file is ever lost or overwritten, the files before the stop
// carry their new names, the rest keep their old ones, and the run stops at a
// taken name or a missing file, reporting its number. A file that already
// bears its new name is left alone: renamed onto itself it would stop the run.
TEST(RenamingRunTest, RandomRunsStopAtTheFirstFailureAndNeverLoseAFile) {
    std::mt19937 random(20011203);
    for (int round = 0; round < 500; ++round) {
        std::map<std::wstring, std::wstring> disk;  // name -> the name it was made with
        std::vector<std::wstring> listed;
        for (int i = 0, count = 1 + static_cast<int>(random() % 30); i < count; ++i) {
            const std::wstring name = random() % 8 == 0
                                          ? L"x" + std::to_wstring(random() % 40) + L".j"
                                          : L"n" + std::to_wstring(i);
            if (disk.emplace(L"c:\\d\\" + name, name).second) listed.push_back(name);
        }
        // A listed file gone; not one with a name the run gives, which a run
        // would give to another file first and then rename once more.
        const std::wstring gone = listed[random() % listed.size()];
        if (random() % 4 == 0 && gone[0] == L'n') disk.erase(L"c:\\d\\" + gone);
        std::multiset<std::wstring> before, after;
        for (const auto& [name, content] : disk) before.insert(content);
        // As MoveFileW renames, never replacing a file.
        const auto rename = [&](const std::wstring& from, const std::wstring& to) {
            if (disk.count(from) == 0) return RenameOutcome{false, kFileNotFound};
            if (!disk.emplace(to, disk[from]).second) return RenameOutcome{false, kAlreadyExists};
            return disk.erase(from), RenameOutcome{true, 0};
        };
        const RenamingRunResult result =
            RenamingRun(Input(L"c:\\d", listed, L"x", L"１桁", L"j"), rename);
        for (const auto& [name, content] : disk) after.insert(content);
        const auto madeAs = [&](const std::wstring& name) {
            return disk.count(L"c:\\d\\" + name) ? disk[L"c:\\d\\" + name] : L"";
        };

        ASSERT_EQ(after, before) << "round " << round << ": a file was lost or overwritten";
        const std::size_t stop =
            result.StoppedAt ? static_cast<std::size_t>(*result.StoppedAt) : listed.size();
        EXPECT_EQ(result.CounterText, std::to_wstring(result.StoppedAt ? stop + 1 : stop));
        for (std::size_t i = 0; i < listed.size(); ++i) {
            const std::wstring now = i < stop ? L"x" + std::to_wstring(i + 1) + L".j" : listed[i];
            if (before.count(listed[i]) != 0) {
                EXPECT_EQ(madeAs(now), listed[i]) << "file " << i;
            }
        }
        if (result.StoppedAt && before.count(listed[stop]) != 0) {
            EXPECT_EQ(result.ErrorCode, kAlreadyExists);  // its new name was taken, by another file
            EXPECT_NE(madeAs(L"x" + std::to_wstring(stop + 1) + L".j"), listed[stop]);
        } else if (result.StoppedAt) {
            EXPECT_EQ(result.ErrorCode, kFileNotFound);
        }
    }
}

}  // namespace
}  // namespace numora
