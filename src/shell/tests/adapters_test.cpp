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

// The notification codes that the controls send to their parent.
std::vector<int> notifications;

LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) notifications.push_back(HIWORD(wParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

class AdaptersTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = RecordCommands;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"NumoraAdaptersTest";
        RegisterClassW(&windowClass);
    }
    AdaptersTest()
        : parent_(CreateWindowExW(0, L"NumoraAdaptersTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800,
                                  800, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
        notifications.clear();
    }
    ~AdaptersTest() override { DestroyWindow(parent_); }

    HWND Create(const wchar_t* name) {
        for (const ControlLayout& layout : kForm1Controls) {
            if (layout.name == name)
                return CreateLayoutControl(parent_, layout, 96, font_.get(), &fit_);
        }
        throw std::invalid_argument("no such control");
    }

    HWND parent_;
    UniqueFont font_ = CreateMessageFont(96);
    ComboFieldFit fit_;
};

TEST_F(AdaptersTest, ClosedComboBoxesAreAsHighAsTheLayoutSays) {
    for (const ControlLayout& layout : kForm1Controls) {
        if (layout.kind != ControlKind::ComboBox && layout.kind != ControlKind::DriveList) continue;
        RECT rect{};
        GetWindowRect(Create(layout.name.data()), &rect);
        EXPECT_EQ(rect.bottom - rect.top, ToPixels(layout.rect, 96).height)
            << std::string(layout.name.begin(), layout.name.end());
    }
}

TEST_F(AdaptersTest, TheMenuBarIsBuiltFromItsTable) {
    const UniqueMenu bar = BuildMenuBar(kForm1Menu);
    std::vector<std::wstring> items;
    for (int top = 0; top < GetMenuItemCount(bar.get()); ++top) {
        HMENU submenu = GetSubMenu(bar.get(), top);
        for (int item = -1; item < GetMenuItemCount(submenu); ++item) {
            wchar_t text[64] = {};
            GetMenuStringW(item < 0 ? bar.get() : submenu, item < 0 ? top : item, text, 64,
                           MF_BYPOSITION);
            const UINT id = item < 0 ? 0 : GetMenuItemID(submenu, item);
            items.push_back(std::wstring(text) + L" " + std::to_wstring(id));
        }
    }
    EXPECT_EQ(items,
              (std::vector<std::wstring>{L"ファイル 0", L"終了 3001", L"ヘルプ 0",
                                         L"バージョン情報 3002", L" 0", L"Numoraについて 3003"}));
}

TEST_F(AdaptersTest, ComboTextIsSetWithoutASelectionNotice) {
    ComboControlWin32 combo(Create(L"Combo1"));
    for (const auto* item : {L"jpg", L"gif", L"bmp"}) combo.AddItem(item);
    combo.SetText(combo.List(1));
    EXPECT_EQ(combo.Text(), L"gif");
    EXPECT_EQ(combo.List(0), L"jpg") << "the list keeps the order of adding";
    EXPECT_EQ(std::count(notifications.begin(), notifications.end(), CBN_SELCHANGE) +
                  std::count(notifications.begin(), notifications.end(), CBN_SELENDOK),
              0);
}

TEST_F(AdaptersTest, TheDriveListIsPutBackWithoutRaisingAChange) {
    const std::wstring start = CurrentDirectory();
    DriveListWin32 drive1(Create(L"Drive1"), start);
    EXPECT_EQ(DriveLetterOf(drive1.Drive()), DriveLetterOf(start));
    drive1.SetDrive(L"c:\\windows");
    EXPECT_EQ(DriveLetterOf(drive1.Drive()), L'c');
    EXPECT_TRUE(notifications.empty());
    EXPECT_FALSE(drive1.OnNotify(CBN_SELENDOK)) << "the drive it shows again is no change";
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
    dir1.SetPath(later);  // the same path, now shown: a change for the file list to follow
    EXPECT_EQ(changes, 1);
    dir1.SetPath(later);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(dir1.SetPath(folder.FullName(L"missing")), std::system_error);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dir1.Path().substr(1), later.substr(1));
}

TEST_F(AdaptersTest, AnUnreadableFolderEmptiesTheFileListAndRedrawsIt) {
    const test_support::TempFolder folder;
    folder.AddFile(L"a.jpg");
    HWND list = Create(L"File1");
    FileListWin32 file1(list, L"*.jpg");
    file1.SetPath(folder.Path());
    EXPECT_EQ(file1.ListCount(), 1);
    EXPECT_EQ(file1.List(0), L"a.jpg");
    EXPECT_THROW(file1.SetPath(folder.FullName(L"missing")), std::system_error);
    EXPECT_EQ(file1.ListCount(), 0);
    EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE, 0) << "drawing was left off";
}

TEST_F(AdaptersTest, LetterCaseFollowsTheSystemTables) {
    const LetterCaseWin32 letterCase;
    EXPECT_EQ(letterCase.Upper(L"Jpg"), L"JPG");
    EXPECT_EQ(letterCase.Upper(L"ｊｐｇ∀"), L"ＪＰＧ∀");
    EXPECT_EQ(letterCase.Lower(L"ÉTÉ"), L"été");
    EXPECT_EQ(letterCase.Lower(L""), L"");
}

}  // namespace
}  // namespace numora
