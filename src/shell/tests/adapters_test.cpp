// Each adapter's own contract, on real controls of a hidden window.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "browse/listing.h"
#include "shell/control_factory.h"
#include "shell/form2_window.h"
#include "shell/list_controls.h"
#include "shell/metrics.h"
#include "shell/platform_services.h"
#include "shell/standard_controls.h"
#include "temp_folder.h"
#include "win32/failure.h"

namespace numora {
namespace {

std::function<void(WORD)> onNotify;  // what the parent does with its controls' notifications
std::function<void()> onActionHandled;

LRESULT CALLBACK RecordNotifications(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && onNotify) onNotify(HIWORD(wParam));
    if (message == kComboActionHandled && onActionHandled) onActionHandled();
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
        return CreateLayoutControl(parent_, LayoutOf(kForm1Controls, control), 96, font_.get(),
                                   &fit_);
    }

    HWND parent_ = CreateWindowExW(0, L"NumoraAdaptersTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800,
                                   800, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UniqueFont font_ = CreateMessageFont(96);
    ComboFieldFit fit_;
};

// The drive list as the user works it with the keys: each arrow key on the
// closed list changes the drive once; the open list is only browsed until it
// closes on an entry; Escape, opening it, and the program's own write change
// nothing. A fixed drive shows its label however it was chosen; no other
// drive's label is asked for.
TEST_F(AdaptersTest, TheDriveListChangesOnlyWhenTheUserChoosesADrive) {
    ShowWindow(parent_, SW_SHOWNOACTIVATE);  // a hidden combo box does not open its list
    HWND combo = Create(Form1Control::Drive1);
    std::wstring asked;  // the drives whose labels were read
    DriveListWin32 drive1(combo, L"c:\\windows", [&](wchar_t letter) {
        asked += letter;
        return std::wstring(L"DISK-") + letter;
    });
    const auto count = [&] { return SendMessageW(combo, CB_GETCOUNT, 0, 0); };
    const LRESULT drives = count();
    ASSERT_GE(drives, 3) << "the prefix has c:, r: and z:";
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

    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    for (int index = 0; index < count(); ++index) {  // the open list: every fixed drive's label
        const std::wstring entry = ReadItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
        EXPECT_EQ(entry.size() > 2, entry[0] != L'r') << ::testing::PrintToString(entry);
    }
    press(VK_DOWN);
    press(VK_ESCAPE);
    EXPECT_EQ(shown(), std::pair(3, LRESULT{1})) << "browsed, then Escape";
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    press(VK_UP);
    EXPECT_EQ(shown().first, 3) << "browsing the open list";
    press(VK_RETURN);
    EXPECT_EQ(shown(), std::pair(4, LRESULT{0})) << "closed on an entry";
    EXPECT_EQ(count(), drives) << "each opening reads the drives afresh";
    EXPECT_EQ(asked.find(L'r'), std::wstring::npos) << "r: is not a fixed drive";

    drive1.SetDrive(L"z:\\");
    EXPECT_EQ(DriveLetterOf(drive1.Drive()), L'z');
    EXPECT_EQ(shown().first, 4) << "the program's own write raised a change";
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
               IDC_DIR1,
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

TEST_F(AdaptersTest, AnUnreadableFolderEmptiesTheFileListAndRedrawsIt) {
    const tools::TempFolder folder;
    folder.AddFile(L"a.jpg");
    HWND list = Create(Form1Control::File1);
    FileListWin32 file1(list, L"*.jpg");
    file1.SetPath(folder.Path());
    EXPECT_EQ(file1.ListCount() == 1 ? file1.List(0) : L"", L"a.jpg");
    EXPECT_THROW(file1.SetPath(folder.FullName(L"missing")), Failure);
    EXPECT_EQ(file1.ListCount(), 0);
    EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE, 0) << "drawing was left off";
}

TEST_F(AdaptersTest, LetterCaseFollowsTheSystemsTables) {
    EXPECT_EQ(LetterCaseWin32().Upper(L"Jpg ｊｐｇ∀"), L"JPG ＪＰＧ∀");
    EXPECT_EQ(LetterCaseWin32().Lower(L"ÉTÉ"), L"été");
    EXPECT_EQ(LetterCaseWin32().Upper(L""), L"") << "an empty text is no failure";
}

// The about window's image follows the DPI: its 32x32 icon, scaled.
TEST_F(AdaptersTest, TheAboutImageIsTheIconScaledToTheDpi) {
    for (const auto& [dpi, size] : {std::pair{96, 32}, {144, 48}, {192, 64}}) {
        SCOPED_TRACE(dpi);
        const UniqueIcon icon = LoadProgramImage(dpi);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        EXPECT_EQ(std::pair(bitmap.bmWidth, bitmap.bmHeight), std::pair(LONG{size}, LONG{size}));
    }
}

// Over the window the busy pointer while a run is busy; otherwise each control
// keeps its own, the text boxes their I-beam.
TEST_F(AdaptersTest, ThePointerIsTheWindowsOwnOnlyWhileARunIsBusy) {
    MousePointerShape pointer;
    pointer.Set(MousePointer::ArrowHourglass);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_APPSTARTING));
    SetCursor(LoadCursorW(nullptr, IDC_IBEAM));  // as a text box sets its own
    EXPECT_TRUE(pointer.ApplyOnSetCursor());
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_APPSTARTING));
    pointer.Set(MousePointer::Default);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_FALSE(pointer.ApplyOnSetCursor());
}

}  // namespace
}  // namespace numora
