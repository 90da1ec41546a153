#include "rename/renaming_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "in_memory_files.h"

namespace numora {
namespace {

using test_support::InMemoryFiles;
using test_support::kAlreadyExists;
using test_support::kFileNotFound;

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};

RenamingRunInput TripInput(const std::wstring& folder, std::vector<std::wstring> files) {
    return {folder, std::move(files), L"trip", L"３桁", kEntries, L"jpg"};
}

std::wstring Padded(std::size_t number, std::size_t width) {
    std::wstring digits = std::to_wstring(number);
    return digits.size() < width ? std::wstring(width - digits.size(), L'0') + digits : digits;
}

std::vector<std::wstring> NumberedNames(std::size_t count) {
    std::vector<std::wstring> names;
    for (std::size_t i = 1; i <= count; ++i) {
        names.push_back(L"f" + Padded(i, 5) + L".jpg");
    }
    return names;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t ch : text) {
        out += ch < 0x80 ? static_cast<char>(ch) : '?';
    }
    return out;
}

class RenamingRunTest : public ::testing::Test {
  protected:
    void AddFiles(const std::wstring& prefix, const std::vector<std::wstring>& names) {
        for (const std::wstring& name : names) {
            files_.AddFile(prefix + name);
        }
    }

    InMemoryFiles files_;
};

TEST_F(RenamingRunTest, PhotosFolderExample) {
    AddFiles(L"c:\\photos\\", {L"a.jpg", L"b.jpeg", L"c.jpg"});
    const RenamingRunResult result =
        RenamingRun(TripInput(L"c:\\photos", {L"a.jpg", L"b.jpeg", L"c.jpg"}), files_.Renamer());

    EXPECT_EQ(result.ExitKind, RunExit::Finished);
    EXPECT_EQ(result.CounterText, L"3");
    EXPECT_FALSE(result.StoppedAt.has_value());
    const std::map<std::wstring, std::wstring> expected = {
        {L"c:\\photos\\trip001.jpg", L"c:\\photos\\a.jpg"},
        {L"c:\\photos\\trip002.jpg", L"c:\\photos\\b.jpeg"},
        {L"c:\\photos\\trip003.jpg", L"c:\\photos\\c.jpg"},
    };
    EXPECT_EQ(files_.Files(), expected);
}

TEST_F(RenamingRunTest, EmptyListRenamesNothing) {
    int reports = 0;
    const RenamingRunResult result = RenamingRun(TripInput(L"c:\\photos", {}), files_.Renamer(),
                                                 [&reports](const std::wstring&) { ++reports; });
    EXPECT_EQ(result.ExitKind, RunExit::NoFiles);
    EXPECT_EQ(result.CounterText, L"0");
    EXPECT_FALSE(result.StoppedAt.has_value());
    EXPECT_TRUE(files_.Calls().empty());
    EXPECT_EQ(reports, 0);
}

struct SeparatorRow {
    std::wstring folder;
    std::wstring oldName;
    std::wstring newName;
};

TEST_F(RenamingRunTest, SeparatorOnlyOmittedForTheTenRootTexts) {
    std::vector<SeparatorRow> rows;
    for (const wchar_t letter : std::wstring(L"abcdefghiq")) {
        const std::wstring root = std::wstring(1, letter) + L":\\";
        rows.push_back({root, root + L"a.jpg", root + L"trip001.jpg"});
    }
    rows.insert(rows.end(),
                {
                    {L"C:\\", L"C:\\\\a.jpg", L"C:\\\\trip001.jpg"},
                    {L"z:\\", L"z:\\\\a.jpg", L"z:\\\\trip001.jpg"},
                    {L"j:\\", L"j:\\\\a.jpg", L"j:\\\\trip001.jpg"},
                    {L"Q:\\", L"Q:\\\\a.jpg", L"Q:\\\\trip001.jpg"},
                    {L"c:", L"c:\\a.jpg", L"c:\\trip001.jpg"},
                    {L"c:\\\\", L"c:\\\\\\a.jpg", L"c:\\\\\\trip001.jpg"},
                    {L"c:\\photos", L"c:\\photos\\a.jpg", L"c:\\photos\\trip001.jpg"},
                    {L"c:\\photos\\", L"c:\\photos\\\\a.jpg", L"c:\\photos\\\\trip001.jpg"},
                    {L" c:\\", L" c:\\\\a.jpg", L" c:\\\\trip001.jpg"},
                });
    for (const SeparatorRow& row : rows) {
        SCOPED_TRACE("folder '" + Narrow(row.folder) + "'");
        std::vector<std::pair<std::wstring, std::wstring>> calls;
        const RenamingRunResult result =
            RenamingRun(TripInput(row.folder, {L"a.jpg"}),
                        [&calls](const std::wstring& oldName, const std::wstring& newName) {
                            calls.emplace_back(oldName, newName);
                            return RenameOutcome{true, 0};
                        });
        EXPECT_EQ(result.ExitKind, RunExit::Finished);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].first, row.oldName);
        EXPECT_EQ(calls[0].second, row.newName);
    }
}

struct NameRow {
    const char* label;
    RenamingRunInput input;
    std::vector<std::wstring> expectedNewNames;
};

TEST_F(RenamingRunTest, NewNamesFromBaseDigitChoiceAndExtension) {
    const std::vector<std::wstring> three = {L"a.jpg", L"b.jpg", L"c.jpg"};
    const std::vector<NameRow> rows = {
        {"empty base name",
         {L"c:\\p", three, L"", L"３桁", kEntries, L"jpg"},
         {L"c:\\p\\001.jpg", L"c:\\p\\002.jpg", L"c:\\p\\003.jpg"}},
        {"empty extension",
         {L"c:\\p", three, L"trip", L"３桁", kEntries, L""},
         {L"c:\\p\\trip001.", L"c:\\p\\trip002.", L"c:\\p\\trip003."}},
        {"plain digit in the choice",
         {L"c:\\p", three, L"trip", L"3桁", kEntries, L"jpg"},
         {L"c:\\p\\trip1.jpg", L"c:\\p\\trip2.jpg", L"c:\\p\\trip3.jpg"}},
        {"empty choice",
         {L"c:\\p", three, L"trip", L"", kEntries, L"jpg"},
         {L"c:\\p\\trip1.jpg", L"c:\\p\\trip2.jpg", L"c:\\p\\trip3.jpg"}},
        {"one digit",
         {L"c:\\p", three, L"trip", L"１桁", kEntries, L"jpg"},
         {L"c:\\p\\trip1.jpg", L"c:\\p\\trip2.jpg", L"c:\\p\\trip3.jpg"}},
        {"six digits",
         {L"c:\\p", three, L"trip", L"６桁", kEntries, L"jpg"},
         {L"c:\\p\\trip000001.jpg", L"c:\\p\\trip000002.jpg", L"c:\\p\\trip000003.jpg"}},
        {"texts as they stand",
         {L"c:\\p ", three, L" Trip ", L"２桁", kEntries, L"JPG "},
         {L"c:\\p \\ Trip 01.JPG ", L"c:\\p \\ Trip 02.JPG ", L"c:\\p \\ Trip 03.JPG "}},
        {"japanese and beyond the basic plane",
         {L"d:\\写真", three, L"旅行\U0001F600", L"２桁", kEntries, L"\U00020B9F"},
         {L"d:\\写真\\旅行\U0001F60001.\U00020B9F", L"d:\\写真\\旅行\U0001F60002.\U00020B9F",
          L"d:\\写真\\旅行\U0001F60003.\U00020B9F"}},
    };
    for (const NameRow& row : rows) {
        SCOPED_TRACE(row.label);
        std::vector<std::wstring> newNames;
        const RenamingRunResult result =
            RenamingRun(row.input, [&newNames](const std::wstring&, const std::wstring& newName) {
                newNames.push_back(newName);
                return RenameOutcome{true, 0};
            });
        EXPECT_EQ(result.ExitKind, RunExit::Finished);
        EXPECT_EQ(result.CounterText, L"3");
        EXPECT_EQ(newNames, row.expectedNewNames);
    }
}

TEST_F(RenamingRunTest, PaddingShrinksAsNumbersGrowOverLongRun) {
    const std::vector<std::wstring> names = NumberedNames(1200);
    AddFiles(L"c:\\photos\\", names);
    const RenamingRunResult result = RenamingRun(TripInput(L"c:\\photos", names), files_.Renamer());

    EXPECT_EQ(result.ExitKind, RunExit::Finished);
    EXPECT_EQ(result.CounterText, L"1200");
    EXPECT_FALSE(result.StoppedAt.has_value());
    const std::map<std::wstring, std::wstring> where = files_.NamesByContent();
    ASSERT_EQ(where.size(), names.size());
    for (std::size_t i = 1; i <= names.size(); ++i) {
        SCOPED_TRACE("file " + std::to_string(i));
        EXPECT_EQ(where.at(L"c:\\photos\\" + names[i - 1]),
                  L"c:\\photos\\trip" + Padded(i, 3) + L".jpg");
    }
    EXPECT_EQ(where.at(L"c:\\photos\\" + names[999]), L"c:\\photos\\trip1000.jpg");
}

TEST_F(RenamingRunTest, FirstNewNameTakenStopsBeforeAnyRename) {
    const std::vector<std::wstring> takenNames = {L"trip001.jpg", L"TRIP001.JPG", L"Trip001.Jpg"};
    for (const std::wstring& taken : takenNames) {
        SCOPED_TRACE("existing " + Narrow(taken));
        InMemoryFiles files;
        files.AddFile(L"c:\\photos\\a.jpg");
        files.AddFile(L"c:\\photos\\b.jpg");
        files.AddFile(L"c:\\photos\\" + taken);
        const auto before = files.Files();

        const RenamingRunResult result =
            RenamingRun(TripInput(L"c:\\photos", {L"a.jpg", L"b.jpg"}), files.Renamer());

        EXPECT_EQ(result.ExitKind, RunExit::Finished);
        EXPECT_EQ(result.CounterText, L"1");
        EXPECT_EQ(result.StoppedAt, std::optional<std::int16_t>(0));
        EXPECT_EQ(result.ErrorCode, kAlreadyExists);
        EXPECT_EQ(files.Files(), before);
        EXPECT_EQ(files.Calls().size(), 1u);
    }
}

TEST_F(RenamingRunTest, ListedFileHoldingLaterNameStopsThere) {
    AddFiles(L"c:\\photos\\", {L"a.jpg", L"b.jpg", L"trip002.jpg"});
    const RenamingRunResult result = RenamingRun(
        TripInput(L"c:\\photos", {L"a.jpg", L"b.jpg", L"trip002.jpg"}), files_.Renamer());

    EXPECT_EQ(result.ExitKind, RunExit::Finished);
    EXPECT_EQ(result.CounterText, L"2");
    EXPECT_EQ(result.StoppedAt, std::optional<std::int16_t>(1));
    EXPECT_EQ(result.ErrorCode, kAlreadyExists);
    const std::map<std::wstring, std::wstring> expected = {
        {L"c:\\photos\\trip001.jpg", L"c:\\photos\\a.jpg"},
        {L"c:\\photos\\b.jpg", L"c:\\photos\\b.jpg"},
        {L"c:\\photos\\trip002.jpg", L"c:\\photos\\trip002.jpg"},
    };
    EXPECT_EQ(files_.Files(), expected);
    EXPECT_EQ(files_.Calls().size(), 2u);
}

TEST_F(RenamingRunTest, MissingOrFailingFileStopsAtOnceWithItsError) {
    struct Row {
        const char* label;
        std::size_t failingCall;  // 0: none injected
        bool secondFileMissing;
        std::uint32_t expectedError;
    };
    const std::vector<Row> rows = {
        {"listed file gone", 0, true, kFileNotFound},
        {"access refused", 2, false, 5},
        {"invalid name", 2, false, 123},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        InMemoryFiles files;
        files.AddFile(L"c:\\p\\a.jpg");
        if (!row.secondFileMissing) {
            files.AddFile(L"c:\\p\\b.jpg");
        }
        files.AddFile(L"c:\\p\\c.jpg");
        if (row.failingCall != 0) {
            files.FailRenameCall(row.failingCall, row.expectedError);
        }

        const RenamingRunResult result =
            RenamingRun(TripInput(L"c:\\p", {L"a.jpg", L"b.jpg", L"c.jpg"}), files.Renamer());

        EXPECT_EQ(result.ExitKind, RunExit::Finished);
        EXPECT_EQ(result.CounterText, L"2");
        EXPECT_EQ(result.StoppedAt, std::optional<std::int16_t>(1));
        EXPECT_EQ(result.ErrorCode, row.expectedError);
        EXPECT_EQ(files.Calls().size(), 2u);
        const auto where = files.NamesByContent();
        EXPECT_EQ(where.at(L"c:\\p\\a.jpg"), L"c:\\p\\trip001.jpg");
        EXPECT_EQ(where.at(L"c:\\p\\c.jpg"), L"c:\\p\\c.jpg");
        if (!row.secondFileMissing) {
            EXPECT_EQ(where.at(L"c:\\p\\b.jpg"), L"c:\\p\\b.jpg");
        }
    }
}

TEST_F(RenamingRunTest, ReportsEachCounterBeforeItsRename) {
    AddFiles(L"c:\\p\\", NumberedNames(12));
    std::vector<std::wstring> events;
    const RenamingRunResult result = RenamingRun(
        TripInput(L"c:\\p", NumberedNames(12)),
        [&](const std::wstring& oldName, const std::wstring& newName) {
            events.push_back(L"rename " + oldName.substr(5, 6));
            return files_.Rename(oldName, newName);
        },
        [&events](const std::wstring& counter) { events.push_back(L"report " + counter); });

    EXPECT_EQ(result.CounterText, L"12");
    std::vector<std::wstring> expected;
    for (std::size_t i = 1; i <= 12; ++i) {
        expected.push_back(L"report " + std::to_wstring(i));
        expected.push_back(L"rename f" + Padded(i, 5));
    }
    EXPECT_EQ(events, expected);
}

TEST_F(RenamingRunTest, FailedReportStopsBeforeThatFilesRename) {
    AddFiles(L"c:\\p\\", {L"a.jpg", L"b.jpg"});
    EXPECT_THROW(RenamingRun(TripInput(L"c:\\p", {L"a.jpg", L"b.jpg"}), files_.Renamer(),
                             [](const std::wstring& counter) {
                                 if (counter == L"2") {
                                     throw std::runtime_error("counter box gone");
                                 }
                             }),
                 std::runtime_error);
    const std::map<std::wstring, std::wstring> expected = {
        {L"c:\\p\\trip001.jpg", L"c:\\p\\a.jpg"},
        {L"c:\\p\\b.jpg", L"c:\\p\\b.jpg"},
    };
    EXPECT_EQ(files_.Files(), expected);
}

TEST_F(RenamingRunTest, LongestListIsRenamedWhole) {
    const std::vector<std::wstring> names = NumberedNames(32767);
    AddFiles(L"c:\\p\\", names);
    std::wstring lastReport;
    const RenamingRunResult result =
        RenamingRun(TripInput(L"c:\\p", names), files_.Renamer(),
                    [&lastReport](const std::wstring& counter) { lastReport = counter; });

    EXPECT_EQ(result.ExitKind, RunExit::Finished);
    EXPECT_EQ(result.CounterText, L"32767");
    EXPECT_EQ(lastReport, L"32767");
    EXPECT_FALSE(result.StoppedAt.has_value());
    EXPECT_EQ(files_.Calls().size(), 32767u);
    const auto where = files_.NamesByContent();
    for (std::size_t i = 1; i <= names.size(); ++i) {
        if (where.at(L"c:\\p\\" + names[i - 1]) != L"c:\\p\\trip" + Padded(i, 3) + L".jpg") {
            ADD_FAILURE() << "file " << i << " is not where it belongs";
            break;
        }
    }
    EXPECT_EQ(where.at(L"c:\\p\\" + names.back()), L"c:\\p\\trip32767.jpg");
}

TEST_F(RenamingRunTest, ListBeyondSixteenBitsStopsAtItsLimit) {
    const std::vector<std::wstring> names = NumberedNames(32769);
    AddFiles(L"c:\\p\\", names);
    const RenamingRunResult result = RenamingRun(TripInput(L"c:\\p", names), files_.Renamer());

    EXPECT_EQ(result.ExitKind, RunExit::Finished);
    EXPECT_EQ(result.CounterText, L"32767");
    EXPECT_FALSE(result.StoppedAt.has_value());
    EXPECT_EQ(files_.Calls().size(), 32767u);
    const auto where = files_.NamesByContent();
    EXPECT_EQ(where.at(L"c:\\p\\" + names[32766]), L"c:\\p\\trip32767.jpg");
    EXPECT_EQ(where.at(L"c:\\p\\" + names[32767]), L"c:\\p\\" + names[32767]);
    EXPECT_EQ(where.at(L"c:\\p\\" + names[32768]), L"c:\\p\\" + names[32768]);
}

TEST_F(RenamingRunTest, SecondRunOverFinishedNamesIsHarmless) {
    const std::vector<std::wstring> names = {L"a.jpg", L"b.jpeg", L"c.jpg"};
    AddFiles(L"c:\\photos\\", names);
    ASSERT_FALSE(RenamingRun(TripInput(L"c:\\photos", names), files_.Renamer()).StoppedAt);
    const auto afterFirst = files_.Files();
    const std::size_t firstCalls = files_.Calls().size();

    std::vector<std::wstring> reports;
    const RenamingRunResult second = RenamingRun(
        TripInput(L"c:\\photos", {L"trip001.jpg", L"trip002.jpg", L"trip003.jpg"}),
        files_.Renamer(), [&reports](const std::wstring& counter) { reports.push_back(counter); });

    EXPECT_EQ(second.ExitKind, RunExit::Finished);
    EXPECT_EQ(second.CounterText, L"3");
    EXPECT_FALSE(second.StoppedAt.has_value());
    EXPECT_EQ(reports, (std::vector<std::wstring>{L"1", L"2", L"3"}));
    EXPECT_EQ(files_.Calls().size(), firstCalls);
    EXPECT_EQ(files_.Files(), afterFirst);
}

// A name-sorted listing puts trip1000.jpg right after trip100.jpg, so a second
// run over more than a thousand files meets a taken name and stops, losing nothing.
TEST_F(RenamingRunTest, SecondRunOverNameSortedThousandsStopsSafely) {
    const std::vector<std::wstring> names = NumberedNames(1005);
    AddFiles(L"c:\\p\\", names);
    ASSERT_FALSE(RenamingRun(TripInput(L"c:\\p", names), files_.Renamer()).StoppedAt);
    const auto afterFirst = files_.Files();

    std::vector<std::wstring> listing;
    for (const auto& [name, content] : afterFirst) {
        listing.push_back(name.substr(5));
    }
    std::sort(listing.begin(), listing.end());
    ASSERT_EQ(listing[100], L"trip1000.jpg");

    const RenamingRunResult second = RenamingRun(TripInput(L"c:\\p", listing), files_.Renamer());
    EXPECT_EQ(second.CounterText, L"101");
    EXPECT_EQ(second.StoppedAt, std::optional<std::int16_t>(100));
    EXPECT_EQ(second.ErrorCode, kAlreadyExists);
    EXPECT_EQ(files_.Files(), afterFirst);
}

}  // namespace
}  // namespace numora
