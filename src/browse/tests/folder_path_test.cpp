#include "browse/folder_path.h"

#include <gtest/gtest.h>

#include <array>

namespace numora {
namespace {

// The root "c:\" in lower case, other folders without a trailing backslash.
TEST(FolderPathTest, PathsTakeTheFolderListsForm) {
    const std::wstring paths[] = {L"C:", L"C:\\\\", L"D:\\A\\B\\", L"A:", L"Z:\\Y\\"};
    const std::wstring normalized[] = {L"c:\\", L"c:\\", L"d:\\A\\B", L"a:\\", L"z:\\Y"};
    for (std::size_t row = 0; row < std::size(paths); ++row)
        EXPECT_EQ(NormalizeFolderPath(paths[row]), normalized[row]) << row;
}

// From 260 characters on, a full path goes to the file system in the extended
// (\\?\) form, normalized as the system would have done, and is shown without it.
TEST(FolderPathTest, LongPathsGoToTheFileSystemInTheExtendedForm) {
    const std::wstring photos = L"c:\\photos\\", n250(250, L'n');
    const std::wstring long1 = L"C:/photos//" + n250 + L"\\..\\" + n250 + L"\\trip001. ";
    const std::wstring unc = L"\\\\server\\share\\" + n250 + L"\\..\\..\\x.jpg";
    const std::wstring extended = L"\\\\?\\c:\\" + n250 + L"\\" + n250;
    // The path, the form the file system is given, the form shown.
    for (const auto& [path, fileSystem, shown] : std::vector<std::array<std::wstring, 3>>{
             {photos + L"a.jpg", photos + L"a.jpg", photos + L"a.jpg"},
             {photos + n250.substr(1), photos + n250.substr(1), photos + n250.substr(1)},
             {photos + n250, L"\\\\?\\" + photos + n250, photos + n250},
             {long1, L"\\\\?\\C:\\photos\\" + n250 + L"\\trip001",
              L"C:\\photos\\" + n250 + L"\\trip001"},
             {L"c:\\", L"c:\\", L"c:\\"},
             {unc, L"\\\\?\\UNC\\server\\share\\x.jpg", L"\\\\server\\share\\x.jpg"},
             {extended, extended, extended.substr(4)},
         }) {
        SCOPED_TRACE(path.size());
        EXPECT_EQ(FileSystemPath(path), fileSystem);
        EXPECT_EQ(ShownPath(FileSystemPath(path)), shown);
    }
}

TEST(FolderPathTest, DriveEntriesReadTheLabelsOfFixedDrivesOnly) {
    std::wstring asked;
    const std::uint32_t present = 1u | 1u << 2 | 1u << 3 | 1u << 17 | 1u << 25;  // a: c: d: r: z:
    const std::vector<std::wstring> entries = DriveEntries(
        present, [](wchar_t letter) { return letter == L'c' || letter == L'z'; },
        [&](wchar_t letter) { return asked += letter, letter == L'c' ? L"SYSTEM" : L""; });
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"a:", L"c: [SYSTEM]", L"d:", L"r:", L"z:"}));
    EXPECT_EQ(asked, L"cz") << "a drive that is not fixed may keep the list waiting";
}

}  // namespace
}  // namespace numora
