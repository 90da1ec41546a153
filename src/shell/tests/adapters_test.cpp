// Each adapter's own contract, on real controls of a hidden window.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>

#include "browse/listing.h"
#include "browse/navigation_handlers.h"
#include "shell/control_factory.h"
#include "shell/letter_case_win32.h"
#include "shell/list_controls.h"
#include "shell/metrics.h"
#include "shell/standard_controls.h"
#include "temp_folder.h"
#include "win32/failure.h"

namespace numora {
namespace {

std::function<void(WORD)> onNotify;  // what the parent does with its controls' notifications
std::function<void()> onActionHandled;

LRESULT CALLBACK RecordNotifications(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && onNotify) onNotify(HIWORD(wParam));
    if (message == WM_NUMORA_COMBO_ACTION_HANDLED && onActionHandled) onActionHandled();
    return DefWindowProcW(window, message, wParam, lParam);
}

// Serves what the controls posted, as the message loop would.
void ServePosted() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

class AdaptersTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSW parentClass{};
        parentClass.lpfnWndProc = RecordNotifications;
        parentClass.lpszClassName = L"NumoraAdaptersTest";
        RegisterClassW(&parentClass);
    }
    ~AdaptersTest() override {
        DestroyWindow(parent_);
        onNotify = nullptr;
        onActionHandled = nullptr;
    }

    HWND Create(Form1Control control) {
        return CreateLayoutControl(parent_, kForm1Controls[RowOf(kForm1Controls, control)], 96,
                                   font_.get(), &fit_);
    }

    HWND parent_ = CreateWindowExW(0, L"NumoraAdaptersTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800,
                                   800, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UniqueFont font_ = CreateMessageFont(96);
    ComboFieldFit fit_;
};

// A drive letter given to a folder, as when a card is put in a reader; gone with the object.
struct PluggedDrive {
    PluggedDrive(const wchar_t* name, const std::wstring& folder) : drive(name) {
        DefineDosDeviceW(0, drive, folder.c_str());
    }
    ~PluggedDrive() { DefineDosDeviceW(DDD_REMOVE_DEFINITION, drive, nullptr); }
    const wchar_t* drive;
};

// The drive list as the user works it with the keys: each arrow key on the
// closed list changes the drive once; the open list, read afresh each time it
// opens, is only browsed until it closes on an entry; Escape, opening it, and
// the program's own write change nothing. A fixed drive shows its label however
// it was chosen; no other drive's label is asked for.
TEST_F(AdaptersTest, TheDriveListChangesOnlyWhenTheUserChoosesADrive) {
    ShowWindow(parent_, SW_SHOWNOACTIVATE);  // a hidden combo box does not open its list
    const tools::TempFolder card;
    HWND combo = Create(Form1Control::Drive1);
    std::wstring asked;  // the drives whose labels were read
    DriveListWin32 drive1(combo, L"c:\\windows", [&](wchar_t letter) {
        asked += letter;
        return std::wstring(L"DISK-") + letter;
    });
    const auto count = [&] { return SendMessageW(combo, CB_GETCOUNT, 0, 0); };
    const LRESULT drives = count();
    ASSERT_EQ(drives, 3) << "the prefix has c:, r: and z:";
    int changes = 0;
    onNotify = [&](WORD code) { changes += drive1.OnNotify(code); };
    onActionHandled = [&] { drive1.OnActionHandled(); };
    const auto press = [&](WPARAM key) {
        SendMessageW(combo, WM_KEYDOWN, key, 0);
        SendMessageW(combo, WM_KEYUP, key, 0);
        ServePosted();
    };
    const auto shown = [&] {  // changes so far, and the chosen drive's place in the list
        return std::pair{changes, SendMessageW(combo, CB_GETCURSEL, 0, 0)};
    };

    ASSERT_EQ(shown(), std::pair(0, LRESULT{0}));
    press(VK_DOWN);
    EXPECT_EQ(shown(), std::pair(1, LRESULT{1}));
    press(VK_DOWN);
    EXPECT_EQ(drive1.Drive(), L"z: [DISK-z]");
    press(VK_UP);
    EXPECT_EQ(shown(), std::pair(3, LRESULT{1}));

    std::optional<PluggedDrive> plugged(std::in_place, L"s:", card.Path());
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    std::vector<std::wstring> entries;
    for (int index = 0; index < count(); ++index)
        entries.push_back(ReadItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index));
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"c: [DISK-c]", L"r:", L"s:", L"z: [DISK-z]"}))
        << "the open list: the drive put in since, every fixed drive's label";
    press(VK_DOWN);
    press(VK_ESCAPE);
    EXPECT_EQ(shown(), std::pair(3, LRESULT{1})) << "browsed, then Escape";
    plugged.reset();
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    press(VK_UP);
    EXPECT_EQ(shown().first, 3) << "browsing the open list";
    press(VK_RETURN);
    EXPECT_EQ(shown(), std::pair(4, LRESULT{0})) << "closed on an entry";
    EXPECT_EQ(count(), drives) << "the drive taken out since has gone";
    EXPECT_EQ(asked.find_first_of(L"rs"), std::wstring::npos) << "r: and s: are not fixed drives";

    plugged.emplace(L"t:", card.Path());
    drive1.SetDrive(L"t:\\photos");
    EXPECT_EQ(drive1.Drive(), L"t:") << "a drive the list did not hold yet";
    EXPECT_EQ(shown().first, 4) << "the program's own write raised a change";
}

// The drive list's own label reader, on the prefix's c:, which scripts/lib/wine-env.sh labels.
TEST_F(AdaptersTest, TheDriveListReadsTheLabelOfAFixedDrive) {
    EXPECT_EQ(DriveListWin32(Create(Form1Control::Drive1), L"c:\\").Drive(), L"c: [NUMORA-C]");
}

// A folder row drawn into a bitmap: the first column that differs from the
// background, and the colours it is drawn in.
std::pair<int, std::set<COLORREF>> DrawnRow(const FolderListWin32& dir1, int index, UINT state,
                                            HFONT font) {
    const WindowDc screen(nullptr);
    const HDC dc = CreateCompatibleDC(screen.Get());
    const HGDIOBJ bitmap = SelectObject(dc, CreateCompatibleBitmap(screen.Get(), 200, 16));
    SelectObject(dc, font);
    dir1.Draw({ODT_LISTBOX,
               IDC_DIR1_FOLDERS,
               static_cast<UINT>(index),
               ODA_DRAWENTIRE,
               state,
               nullptr,
               dc,
               {0, 0, 200, 16},
               0});
    std::pair<int, std::set<COLORREF>> drawn{200, {}};
    for (int x = 0; x < 200; ++x) {
        for (int y = 0; y < 16; ++y) {
            if (const COLORREF pixel = GetPixel(dc, x, y); pixel != GetPixel(dc, 199, 0)) {
                drawn.first = std::min(drawn.first, x);
                drawn.second.insert(pixel);
            }
        }
    }
    DeleteObject(SelectObject(dc, bitmap));
    DeleteDC(dc);
    return drawn;
}

TEST_F(AdaptersTest, TheFolderListNotifiesEveryChangeAndDrawsItsRowsAsATree) {
    const tools::TempFolder folder;
    const std::wstring later = folder.FullName(L"later");
    HWND list = Create(Form1Control::Dir1);
    FolderListWin32 dir1(list, later);  // not there yet: no rows
    int changes = 0;
    dir1.SetChangeCallback([&] { ++changes; });
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    folder.AddFolder(L"later\\later");
    dir1.SetPath(later);  // now shown: a change, so that the file list follows
    dir1.SetPath(later);
    EXPECT_THROW(dir1.SetPath(folder.FullName(L"missing")), Failure);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dir1.Path(), NormalizeFolderPath(later));

    // The current folder "later", selected, and its subfolder "later" one level deeper.
    const int rows = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    const auto [currentLeft, currentColours] = DrawnRow(dir1, rows - 2, ODS_SELECTED, font_.get());
    const auto [subfolderLeft, subfolderColours] = DrawnRow(dir1, rows - 1, 0, font_.get());
    EXPECT_EQ(subfolderLeft - currentLeft, 12) << "one indent step";
    EXPECT_TRUE(currentColours.count(GetSysColor(COLOR_HIGHLIGHTTEXT)));
    EXPECT_FALSE(currentColours.count(GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_TRUE(subfolderColours.count(GetSysColor(COLOR_WINDOWTEXT)));
}

// A list box that refuses every row, as one out of memory does.
LRESULT CALLBACK RefuseRows(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    return message == LB_ADDSTRING ? LB_ERRSPACE : DefSubclassProc(list, message, wParam, lParam);
}

// The file list over a folder that has gone, or over a list box that refuses
// its rows: the user is told, the list is left empty and drawn, the program goes on.
TEST_F(AdaptersTest, AFolderTheFileListCannotShowIsToldAndLeavesItEmpty) {
    const tools::TempFolder folder;
    folder.AddFile(L"a.jpg");
    HWND list = Create(Form1Control::File1);
    FileListWin32 file1(list, L"*.jpg");
    struct : FolderList, UserNotice {
        std::wstring Path() const override { return path; }
        void SetPath(const std::wstring&) override {}
        void BeepAndShowInformation(const std::wstring& text) override { told.push_back(text); }
        std::wstring path;
        std::vector<std::wstring> told;
    } dir1;
    for (const bool refusing : {false, true}) {
        SCOPED_TRACE(refusing ? "refusing rows" : "a folder gone");
        dir1.path = folder.Path();
        Dir1_Change(dir1, file1, dir1);
        EXPECT_EQ(file1.ListCount() == 1 ? file1.List(0) : L"", L"a.jpg");
        dir1.path = refusing ? folder.Path() : folder.FullName(L"missing");
        if (refusing) SetWindowSubclass(list, RefuseRows, 0, 0);
        Dir1_Change(dir1, file1, dir1);
        EXPECT_EQ(dir1.told, std::vector<std::wstring>{kFolderUnreadableText});
        EXPECT_EQ(file1.ListCount(), 0);
        EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE, 0) << "drawing was left off";
        dir1.told.clear();
    }
}

// Extensions of one letter (c, h, m, z) and of none.
TEST_F(AdaptersTest, LetterCaseMapsTextsOfAnyLength) {
    EXPECT_EQ(LetterCaseWin32().Upper(L"c") + LetterCaseWin32().Lower(L"Z"), L"Cz");
    EXPECT_EQ(LetterCaseWin32().Upper(L""), L"");
}

}  // namespace
}  // namespace numora
