#include "shell/drive_list_win32.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "browse/control_error.h"
#include "browse/folder_path.h"
#include "shell/form1_layout.h"
#include "test_window.h"

namespace numora {
namespace {

using testing_support::TestParent;

std::wstring CurrentFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

int DriveCount() {
    int count = 0;
    for (DWORD drives = GetLogicalDrives(); drives != 0; drives &= drives - 1) {
        ++count;
    }
    return count;
}

std::optional<wchar_t> MissingDrive() {
    const DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if ((drives & (1u << bit)) == 0) {
            return static_cast<wchar_t>(L'a' + bit);
        }
    }
    return std::nullopt;
}

class DriveListWin32Test : public ::testing::Test {
  protected:
    TestParent parent;
    HWND combo = parent.Create(kForm1Controls[0]);
    DriveListWin32 drives{combo};

    int Selection() const { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }
    int IndexOf(wchar_t letter) const {
        const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
        for (int index = 0; index < count; ++index) {
            wchar_t text[MAX_PATH] = {};
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(text));
            if (DriveLetterOf(text) == letter) {
                return index;
            }
        }
        return CB_ERR;
    }
};

TEST_F(DriveListWin32Test, ListsEveryDriveAndStartsAtTheCurrentOne) {
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), DriveCount());
    EXPECT_EQ(DriveLetterOf(drives.Drive()), DriveLetterOf(CurrentFolder()));
    const std::wstring drive = drives.Drive();
    const std::wstring expected{*DriveLetterOf(CurrentFolder()), L':'};
    EXPECT_EQ(drive.substr(0, 2), expected)
        << "lower-case letter and a colon, as the folder list accepts it";
}

TEST_F(DriveListWin32Test, SetDriveSelectsThePathsDriveWithoutNotifying) {
    const wchar_t start = *DriveLetterOf(drives.Drive());
    const wchar_t other = IndexOf(L'z') != CB_ERR && start != L'z' ? L'z' : start;
    parent.commands.clear();
    for (const std::wstring& path : {std::wstring{other, L':', L'\\', L't', L'm', L'p'},
                                     std::wstring{static_cast<wchar_t>(other - 32), L':', L'\\'}}) {
        SCOPED_TRACE(std::string(path.begin(), path.end()));
        drives.SetDrive(path);
        EXPECT_EQ(DriveLetterOf(drives.Drive()), other);
    }
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_FALSE(drives.OnNotify(CBN_SELCHANGE)) << "the program's own write is no user change";
}

TEST_F(DriveListWin32Test, ADriveThatIsNotThereIsRefused) {
    const std::optional<wchar_t> missing = MissingDrive();
    ASSERT_TRUE(missing.has_value());
    const std::wstring before = drives.Drive();
    EXPECT_THROW(drives.SetDrive(std::wstring{*missing, L':', L'\\'}), ControlError);
    EXPECT_THROW(drives.SetDrive(L"\\\\server\\share"), ControlError);
    EXPECT_EQ(drives.Drive(), before);
}

TEST_F(DriveListWin32Test, OnlyAChosenDifferentDriveIsAChange) {
    if (SendMessageW(combo, CB_GETCOUNT, 0, 0) < 2) {
        GTEST_SKIP() << "one drive only";
    }
    const int start = Selection();
    const int other = start == 0 ? 1 : 0;

    // Browsing the open list changes nothing yet; cancelling puts the drive back.
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(other), 0);
    EXPECT_FALSE(drives.OnNotify(CBN_SELCHANGE));
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_FALSE(drives.OnNotify(CBN_SELENDCANCEL));
    EXPECT_EQ(Selection(), start);
    drives.OnActionHandled();

    // A choice: the "ok" and the change of one action count once.
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(other), 0);
    EXPECT_TRUE(drives.OnNotify(CBN_SELENDOK));
    EXPECT_FALSE(drives.OnNotify(CBN_SELCHANGE));
    drives.OnActionHandled();

    // The same drive again is no change.
    EXPECT_FALSE(drives.OnNotify(CBN_SELENDOK));
    drives.OnActionHandled();

    // A closed list's change alone (an arrow key) is a choice too.
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(start), 0);
    EXPECT_TRUE(drives.OnNotify(CBN_SELCHANGE));
}

}  // namespace
}  // namespace numora
