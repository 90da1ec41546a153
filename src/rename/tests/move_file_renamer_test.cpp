#include "rename/move_file_renamer.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "rename/renaming_run.h"
#include "support/temp_folder.h"

namespace numora {
namespace {

using test_support::TempFolder;

constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kAlreadyExists = 183;

const std::vector<std::wstring> kEntries = {L"１桁", L"２桁", L"３桁", L"４桁", L"５桁", L"６桁"};

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t ch : text) {
        out += ch < 0x80 ? static_cast<char>(ch) : '?';
    }
    return out;
}

class MoveFileRenamerTest : public ::testing::Test {
  protected:
    RenamingRunInput Input(std::vector<std::wstring> files, std::wstring baseName = L"trip",
                           std::wstring choice = L"３桁") const {
        return {folder_.Path(),    std::move(files), std::move(baseName),
                std::move(choice), kEntries,         L"jpg"};
    }

    // Each expected file with the original name it must hold.
    void ExpectFolder(const std::vector<std::pair<std::wstring, std::wstring>>& expected) const {
        std::vector<std::wstring> names;
        for (const auto& [name, original] : expected) {
            names.push_back(name);
            SCOPED_TRACE("file " + Narrow(name));
            EXPECT_EQ(folder_.Content(name), original);
        }
        std::sort(names.begin(), names.end());
        EXPECT_EQ(folder_.Names(), names);
    }

    TempFolder folder_;
};

TEST_F(MoveFileRenamerTest, RenamesTheFile) {
    folder_.AddFile(L"a.jpg");
    const RenameOutcome outcome =
        MoveFileRename(folder_.FullName(L"a.jpg"), folder_.FullName(L"b.jpg"));
    EXPECT_TRUE(outcome.succeeded);
    ExpectFolder({{L"b.jpg", L"a.jpg"}});
}

TEST_F(MoveFileRenamerTest, NeverReplacesAnExistingFile) {
    folder_.AddFile(L"a.jpg");
    folder_.AddFile(L"b.jpg");
    for (const std::wstring target : {L"b.jpg", L"B.JPG", L"b.Jpg"}) {
        SCOPED_TRACE("target " + Narrow(target));
        const RenameOutcome outcome =
            MoveFileRename(folder_.FullName(L"a.jpg"), folder_.FullName(target));
        EXPECT_FALSE(outcome.succeeded);
        EXPECT_EQ(outcome.errorCode, kAlreadyExists);
        ExpectFolder({{L"a.jpg", L"a.jpg"}, {L"b.jpg", L"b.jpg"}});
    }
}

TEST_F(MoveFileRenamerTest, MissingSourceFails) {
    const RenameOutcome outcome =
        MoveFileRename(folder_.FullName(L"gone.jpg"), folder_.FullName(L"b.jpg"));
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.errorCode, kFileNotFound);
    EXPECT_TRUE(folder_.Names().empty());
}

TEST_F(MoveFileRenamerTest, RunRenamesFilesOnDisk) {
    for (const std::wstring name : {L"a.jpg", L"b.jpeg", L"c.jpg"}) {
        folder_.AddFile(name);
    }
    const RenamingRunResult result =
        RenamingRun(Input({L"a.jpg", L"b.jpeg", L"c.jpg"}), MoveFileRename);
    EXPECT_EQ(result.ExitKind, RunExit::Finished);
    EXPECT_EQ(result.CounterText, L"3");
    EXPECT_FALSE(result.StoppedAt.has_value());
    ExpectFolder(
        {{L"trip001.jpg", L"a.jpg"}, {L"trip002.jpg", L"b.jpeg"}, {L"trip003.jpg", L"c.jpg"}});
}

TEST_F(MoveFileRenamerTest, FileAlreadyNamedRightIsSuccess) {
    folder_.AddFile(L"trip001.jpg");
    folder_.AddFile(L"x.jpg");
    const RenamingRunResult result = RenamingRun(Input({L"trip001.jpg", L"x.jpg"}), MoveFileRename);
    EXPECT_EQ(result.CounterText, L"2");
    EXPECT_FALSE(result.StoppedAt.has_value());
    ExpectFolder({{L"trip001.jpg", L"trip001.jpg"}, {L"trip002.jpg", L"x.jpg"}});
}

TEST_F(MoveFileRenamerTest, StopLeavesBothFilesIntact) {
    for (const std::wstring name : {L"a.jpg", L"b.jpg", L"trip002.jpg"}) {
        folder_.AddFile(name);
    }
    const RenamingRunResult result =
        RenamingRun(Input({L"a.jpg", L"b.jpg", L"trip002.jpg"}), MoveFileRename);
    EXPECT_EQ(result.ExitKind, RunExit::Finished);
    EXPECT_EQ(result.CounterText, L"2");
    EXPECT_EQ(result.StoppedAt, std::optional<std::int16_t>(1));
    EXPECT_EQ(result.ErrorCode, kAlreadyExists);
    ExpectFolder(
        {{L"trip001.jpg", L"a.jpg"}, {L"b.jpg", L"b.jpg"}, {L"trip002.jpg", L"trip002.jpg"}});
}

TEST_F(MoveFileRenamerTest, JapaneseAndNonBmpNamesRoundTrip) {
    const std::vector<std::wstring> names = {L"写真１.jpg", L"テスト.jpg", L"\U0001F600.jpg",
                                             L"\U00020B9F.jpeg"};
    for (const std::wstring& name : names) {
        folder_.AddFile(name);
    }
    const RenamingRunResult result =
        RenamingRun(Input(names, L"テスト\U0001F600\U00020B9F", L"２桁"), MoveFileRename);
    EXPECT_FALSE(result.StoppedAt.has_value()) << "error " << result.ErrorCode;
    const std::wstring base = L"テスト\U0001F600\U00020B9F";
    ExpectFolder({{base + L"01.jpg", names[0]},
                  {base + L"02.jpg", names[1]},
                  {base + L"03.jpg", names[2]},
                  {base + L"04.jpg", names[3]}});
}

TEST_F(MoveFileRenamerTest, RunPastAThousandFilesOnDisk) {
    std::vector<std::wstring> names;
    for (int i = 1; i <= 1010; ++i) {
        names.push_back(L"f" + std::to_wstring(100000 + i) + L".jpg");
        folder_.AddFile(names.back());
    }
    const RenamingRunResult result = RenamingRun(Input(names), MoveFileRename);
    EXPECT_EQ(result.CounterText, L"1010");
    EXPECT_FALSE(result.StoppedAt.has_value()) << "error " << result.ErrorCode;

    std::vector<std::pair<std::wstring, std::wstring>> expected;
    for (std::size_t i = 1; i <= names.size(); ++i) {
        std::wstring digits = std::to_wstring(i);
        digits.insert(0, digits.size() < 3 ? 3 - digits.size() : 0, L'0');
        expected.emplace_back(L"trip" + digits + L".jpg", names[i - 1]);
    }
    ASSERT_EQ(expected[999].first, L"trip1000.jpg");
    ExpectFolder(expected);
}

}  // namespace
}  // namespace numora
