// Each adapter's own contract, on real controls of a hidden window.
#include <windows.h>

#include <gtest/gtest.h>

#include "browse/listing.h"
#include "shell/control_factory.h"
#include "shell/list_controls.h"
#include "shell/metrics.h"
#include "shell/platform_services.h"
#include "support/temp_folder.h"

namespace numora {
namespace {

std::vector<int> notifications;  // the codes the controls send to their parent

LRESULT CALLBACK RecordNotifications(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) notifications.push_back(HIWORD(wParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

class AdaptersTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSW parentClass{};
        parentClass.lpfnWndProc = RecordNotifications;
        parentClass.lpszClassName = L"NumoraAdaptersTest";
        RegisterClassW(&parentClass);
    }
    ~AdaptersTest() override { DestroyWindow(parent_); }

    HWND Create(std::wstring_view name) {
        const auto layout = std::find_if(kForm1Controls.begin(), kForm1Controls.end(),
                                         [&](auto& c) { return c.name == name; });
        return CreateLayoutControl(parent_, *layout, 96, font_.get(), &fit_);
    }

    HWND parent_ = CreateWindowExW(0, L"NumoraAdaptersTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800,
                                   800, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UniqueFont font_ = CreateMessageFont(96);
    ComboFieldFit fit_;
};

TEST_F(AdaptersTest, TheMenuBarIsBuiltFromItsTable) {
    const UniqueMenu bar = BuildMenuBar(kForm1Menu);
    std::vector<std::wstring> items;
    for (int top = 0; top < GetMenuItemCount(bar.get()); ++top) {
        const HMENU submenu = GetSubMenu(bar.get(), top);
        for (int item = -1; item < GetMenuItemCount(submenu); ++item) {
            wchar_t text[64] = {};
            GetMenuStringW(item < 0 ? bar.get() : submenu, item < 0 ? top : item, text, 64,
                           MF_BYPOSITION);
            items.push_back(text + std::to_wstring(item < 0 ? 0 : GetMenuItemID(submenu, item)));
        }
    }
    EXPECT_EQ(items,
              (std::vector<std::wstring>{L"ファイル0", L"終了3001", L"ヘルプ0",
                                         L"バージョン情報3002", L"0", L"Numoraについて3003"}));
}

TEST_F(AdaptersTest, TheDriveListIsPutBackWithoutRaisingAChange) {
    HWND combo = Create(L"Drive1");
    DriveListWin32 drive1(combo, CurrentDirectory());
    EXPECT_EQ(DriveLetterOf(drive1.Drive()), DriveLetterOf(CurrentDirectory()));
    notifications.clear();
    drive1.SetDrive(L"c:\\windows");
    EXPECT_EQ(DriveLetterOf(drive1.Drive()), L'c');
    EXPECT_TRUE(notifications.empty());
    EXPECT_FALSE(drive1.OnNotify(CBN_SELENDOK)) << "the drive it shows again is no change";
    // Browsed to the last drive in the open list, but not chosen:
    SendMessageW(combo, CB_SETCURSEL, SendMessageW(combo, CB_GETCOUNT, 0, 0) - 1, 0);
    drive1.OnNotify(CBN_SELENDCANCEL);
    EXPECT_EQ(DriveLetterOf(drive1.Drive()), L'c');
}

TEST_F(AdaptersTest, TheFolderListNotifiesEveryChangeAndNothingElse) {
    const test_support::TempFolder folder;
    const std::wstring later = folder.FullName(L"later");
    HWND list = Create(L"Dir1");
    FolderListWin32 dir1(list, later);  // not there yet: no rows
    int changes = 0;
    dir1.SetChangeCallback([&] { ++changes; });
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    folder.AddFolder(L"later\\sub");
    dir1.SetPath(later);  // now shown: a change, so that the file list follows
    dir1.SetPath(later);
    EXPECT_THROW(dir1.SetPath(folder.FullName(L"missing")), std::system_error);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dir1.Path(), NormalizeFolderPath(later));
}

TEST_F(AdaptersTest, AnUnreadableFolderEmptiesTheFileListAndRedrawsIt) {
    const test_support::TempFolder folder;
    folder.AddFile(L"a.jpg");
    HWND list = Create(L"File1");
    FileListWin32 file1(list, L"*.jpg");
    file1.SetPath(folder.Path());
    EXPECT_EQ(file1.ListCount() == 1 ? file1.List(0) : L"", L"a.jpg");
    EXPECT_THROW(file1.SetPath(folder.FullName(L"missing")), std::system_error);
    EXPECT_EQ(file1.ListCount(), 0);
    EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE, 0) << "drawing was left off";
}

TEST_F(AdaptersTest, LetterCaseFollowsTheSystemsTables) {
    EXPECT_EQ(LetterCaseWin32().Upper(L"Jpg ｊｐｇ∀"), L"JPG ＪＰＧ∀");
    EXPECT_EQ(LetterCaseWin32().Lower(L"ÉTÉ"), L"été");
}

}  // namespace
}  // namespace numora
