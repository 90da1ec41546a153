#include "rename/renaming_run.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace numora {
namespace {

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kAlreadyExists = 183;

// Files in memory, each holding the full name it was made with; renames the way
// MoveFileW does, never replacing a file.
struct Disk {
    std::map<std::wstring, std::wstring> files;  // name -> content
    int renames = 0;

    RenameFile Renamer() {
        return [this](const std::wstring& oldName, const std::wstring& newName) {
            ++renames;
            if (files.count(oldName) == 0) return RenameOutcome{false, kFileNotFound};
            if (files.count(newName) != 0) return RenameOutcome{false, kAlreadyExists};
            files[newName] = files[oldName];
            files.erase(oldName);
            return RenameOutcome{true, 0};
        };
    }
};

RenamingRunInput Input(std::wstring folder, std::vector<std::wstring> names,
                       std::wstring base = L"trip", std::wstring choice = L"３桁",
                       std::wstring extension = L"jpg") {
    return {std::move(folder), std::move(names), std::move(base),
            std::move(choice), kEntries,         std::move(extension)};
}

std::vector<std::wstring> Numbered(int count) {
    std::vector<std::wstring> names;
    for (int i = 1; i <= count; ++i) names.push_back(L"f" + std::to_wstring(i));
    return names;
}

struct NameRow {
    const char* label;
    RenamingRunInput input;
    std::vector<std::pair<std::wstring, std::wstring>> expected;  // old -> new, in order
};

TEST(RenamingRunTest, NamesEachListedFileInListOrder) {
    const std::vector<std::wstring> ab = {L"a.jpg", L"b.jpeg"};
    std::vector<NameRow> rows = {
        {"worked example",
         Input(L"c:\\photos", {L"a.jpg", L"b.jpeg", L"c.jpg"}),
         {{L"c:\\photos\\a.jpg", L"c:\\photos\\trip001.jpg"},
          {L"c:\\photos\\b.jpeg", L"c:\\photos\\trip002.jpg"},
          {L"c:\\photos\\c.jpg", L"c:\\photos\\trip003.jpg"}}},
        {"capital root",
         Input(L"C:\\", ab),
         {{L"C:\\\\a.jpg", L"C:\\\\trip001.jpg"}, {L"C:\\\\b.jpeg", L"C:\\\\trip002.jpg"}}},
        {"other root",
         Input(L"z:\\", ab),
         {{L"z:\\\\a.jpg", L"z:\\\\trip001.jpg"}, {L"z:\\\\b.jpeg", L"z:\\\\trip002.jpg"}}},
        {"empty base, six digits",
         Input(L"d:\\写真", ab, L"", L"６桁"),
         {{L"d:\\写真\\a.jpg", L"d:\\写真\\000001.jpg"},
          {L"d:\\写真\\b.jpeg", L"d:\\写真\\000002.jpg"}}},
        {"no entry chosen, empty extension",
         Input(L"c:\\p", ab, L"x", L"3桁", L""),
         {{L"c:\\p\\a.jpg", L"c:\\p\\x1."}, {L"c:\\p\\b.jpeg", L"c:\\p\\x2."}}},
    };
    for (const wchar_t letter : std::wstring(L"abcdefghiq")) {
        const std::wstring root = std::wstring(1, letter) + L":\\";
        rows.push_back({"root",
                        Input(root, ab),
                        {{root + L"a.jpg", root + L"trip001.jpg"},
                         {root + L"b.jpeg", root + L"trip002.jpg"}}});
    }
    for (const NameRow& row : rows) {
        SCOPED_TRACE(std::string(row.label) + " " + ::testing::PrintToString(row.input.FolderPath));
        std::vector<std::pair<std::wstring, std::wstring>> calls;
        std::vector<std::wstring> events;
        const RenamingRunResult result = RenamingRun(
            row.input,
            [&](const std::wstring& oldName, const std::wstring& newName) {
                calls.emplace_back(oldName, newName);
                events.push_back(L"rename");
                return RenameOutcome{true, 0};
            },
            [&](const std::wstring& counter) { events.push_back(counter); });
        EXPECT_EQ(calls, row.expected);
        EXPECT_EQ(result.ExitKind, RunExit::Finished);
        EXPECT_EQ(result.CounterText, std::to_wstring(row.expected.size()));
        EXPECT_FALSE(result.StoppedAt);
        // Each counter is reported before its file's rename.
        ASSERT_GE(events.size(), 4u);
        EXPECT_EQ(std::vector<std::wstring>(events.begin(), events.begin() + 4),
                  (std::vector<std::wstring>{L"1", L"rename", L"2", L"rename"}));
    }
}

TEST(RenamingRunTest, EmptyListRenamesNothing) {
    int reports = 0;
    const RenamingRunResult result = RenamingRun(
        Input(L"c:\\p", {}),
        [](auto&, auto&) {
            return RenameOutcome{true, 0};
        },
        [&](const std::wstring&) { ++reports; });
    EXPECT_EQ(result.ExitKind, RunExit::NoFiles);
    EXPECT_EQ(result.CounterText, L"0");
    EXPECT_EQ(reports, 0);
}

TEST(RenamingRunTest, StopsAtTheFirstFailureAndKeepsEveryLaterName) {
    struct Row {
        const char* label;
        std::vector<std::wstring> onDisk;
        std::wstring counter;
        std::int16_t stoppedAt;
        std::uint32_t error;
    };
    const std::vector<Row> rows = {
        {"first new name taken", {L"a", L"b", L"trip001.jpg"}, L"1", 0, kAlreadyExists},
        {"a later listed file holds the name",
         {L"a", L"b", L"trip002.jpg"},
         L"2",
         1,
         kAlreadyExists},
        {"a listed file gone", {L"a", L"trip002.jpg"}, L"2", 1, kFileNotFound},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Disk disk;
        for (const auto& name : row.onDisk) disk.files[L"c:\\p\\" + name] = name;
        const RenamingRunResult result =
            RenamingRun(Input(L"c:\\p", {L"a", L"b", L"trip002.jpg"}), disk.Renamer());
        EXPECT_EQ(result.ExitKind, RunExit::Finished);
        EXPECT_EQ(result.CounterText, row.counter);
        EXPECT_EQ(result.StoppedAt, row.stoppedAt);
        EXPECT_EQ(result.ErrorCode, row.error);
        EXPECT_EQ(disk.renames, row.stoppedAt + 1);
        EXPECT_EQ(disk.files.size(), row.onDisk.size());
    }
}

TEST(RenamingRunTest, AFileAlreadyBearingItsNameIsLeftAlone) {
    Disk disk;
    disk.files = {{L"c:\\p\\trip001.jpg", L"1"}, {L"c:\\p\\b", L"2"}};
    const RenamingRunResult result =
        RenamingRun(Input(L"c:\\p", {L"trip001.jpg", L"b"}), disk.Renamer());
    EXPECT_FALSE(result.StoppedAt);
    EXPECT_EQ(disk.renames, 1);
    EXPECT_EQ(disk.files.at(L"c:\\p\\trip002.jpg"), L"2");
}

TEST(RenamingRunTest, TheSixteenBitIndexEndsAfterFile32767) {
    for (const int count : {32767, 32769}) {
        Disk disk;
        const RenamingRunResult result =
            RenamingRun(Input(L"c:\\p", Numbered(count)), [&](auto&, auto&) {
                return ++disk.renames, RenameOutcome{true, 0};
            });
        EXPECT_EQ(result.CounterText, L"32767") << count << " files";
        EXPECT_EQ(disk.renames, 32767) << count << " files";
        EXPECT_FALSE(result.StoppedAt);
    }
}

// Random folders where listed files may already hold the names the run gives:
// whatever happens, no file is lost or overwritten, the files before the stop
// carry their new names and the rest keep their old ones.
TEST(RenamingRunTest, RandomRunsNeverLoseAFile) {
    std::mt19937 random(20011203);
    for (int round = 0; round < 500; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int count = 1 + static_cast<int>(random() % 30);
        std::vector<std::wstring> listed;
        Disk disk;
        for (int i = 0; i < count; ++i) {
            // Some listed names are names the run will give, so some runs must stop.
            const std::wstring name = random() % 8 == 0
                                          ? L"x" + std::to_wstring(random() % 40) + L".j"
                                          : L"n" + std::to_wstring(i);
            if (disk.files.count(L"c:\\d\\" + name) != 0) continue;
            listed.push_back(name);
            disk.files[L"c:\\d\\" + name] = name;
        }
        const auto before = disk.files;
        const auto contentOf = [&](const std::wstring& name) {
            const auto found = disk.files.find(name);
            return found == disk.files.end() ? std::wstring() : found->second;
        };
        const RenamingRunResult result =
            RenamingRun(Input(L"c:\\d", listed, L"x", L"１桁", L"j"), disk.Renamer());

        std::multiset<std::wstring> contentsBefore, contentsAfter;
        for (const auto& [name, content] : before) contentsBefore.insert(content);
        for (const auto& [name, content] : disk.files) contentsAfter.insert(content);
        ASSERT_EQ(contentsAfter, contentsBefore) << "a file was lost or overwritten";
        const std::size_t stop =
            result.StoppedAt ? static_cast<std::size_t>(*result.StoppedAt) : listed.size();
        EXPECT_EQ(result.CounterText, std::to_wstring(result.StoppedAt ? stop + 1 : stop));
        for (std::size_t i = 0; i < listed.size(); ++i) {
            const std::wstring newName = L"c:\\d\\x" + std::to_wstring(i + 1) + L".j";
            const std::wstring oldName = L"c:\\d\\" + listed[i];
            if (i < stop) {
                EXPECT_EQ(contentOf(newName), listed[i]) << "file " << i << " not renamed";
            } else if (oldName != newName) {
                EXPECT_EQ(contentOf(oldName), listed[i]) << "file " << i << " moved after the stop";
            }
        }
        if (result.StoppedAt) {
            // It stopped because its new name was taken, by a file that kept its own.
            const std::wstring taken = L"c:\\d\\x" + std::to_wstring(stop + 1) + L".j";
            EXPECT_EQ(result.ErrorCode, kAlreadyExists);
            EXPECT_NE(contentOf(taken), listed[stop]);
        }
    }
}

}  // namespace
}  // namespace numora
