// The Win32 layer on real windows of this process: each adapter on a real control;
// then the main window as the program makes it, for what only a real window shows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include "browse/listing.h"
#include "browse/handlers.h"
#include "program_control.h"
#include "shell/application.h"
#include "shell/control_factory.h"
#include "shell/form1_window.h"
#include "shell/form_handlers.h"
#include "shell/letter_case_win32.h"
#include "shell/list_controls.h"
#include "shell/metrics.h"
#include "shell/standard_controls.h"
#include "support/list_items.h"
#include "support/test_window.h"
#include "temp_folder.h"
#include "win32/failure.h"

namespace numora {
namespace {

std::function<void(WORD)> onNotify;  // what the parent does with its controls' notifications

LRESULT CALLBACK RecordNotifications(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && onNotify) onNotify(HIWORD(wParam));
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
    ~AdaptersTest() override {
        DestroyWindow(parent_);
        onNotify = nullptr;
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
    ASSERT_EQ(ItemsOf(combo).size(), 3u) << "the prefix has c:, r: and z:";
    int changes = 0;
    OneChoicePerAction choices;
    onNotify = [&](WORD code) { changes += drive1.Changed(code, choices); };
    // Each key, then the changes so far and the chosen drive's place in the list.
    const auto press = [&](WPARAM key) {
        SendMessageW(combo, WM_KEYDOWN, key, 0);
        SendMessageW(combo, WM_KEYUP, key, 0);
        ServePosted();
        return std::pair{changes, SendMessageW(combo, CB_GETCURSEL, 0, 0)};
    };
    EXPECT_EQ(press(VK_DOWN), std::pair(1, LRESULT{1}));
    press(VK_DOWN);
    EXPECT_EQ(ItemsOf(combo), (std::vector<std::wstring>{L"c: [DISK-c]", L"r:", L"z: [DISK-z]"}))
        << "the label read on the choice replaces the entry";
    EXPECT_EQ(press(VK_UP), std::pair(3, LRESULT{1}));

    std::optional<PluggedDrive> plugged(std::in_place, L"s:", card.Path());
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(ItemsOf(combo),
              (std::vector<std::wstring>{L"c: [DISK-c]", L"r:", L"s:", L"z: [DISK-z]"}))
        << "the open list: the drive put in since, every fixed drive's label";
    press(VK_DOWN);
    EXPECT_EQ(press(VK_ESCAPE), std::pair(3, LRESULT{1})) << "browsed, then Escape";
    plugged.reset();
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(press(VK_UP).first, 3) << "browsing the open list";
    EXPECT_EQ(press(VK_RETURN), std::pair(4, LRESULT{0})) << "closed on an entry";
    EXPECT_EQ(ItemsOf(combo).size(), 3u) << "the drive taken out since has gone";
    EXPECT_EQ(asked.find_first_of(L"rs"), std::wstring::npos) << "r: and s: are not fixed drives";

    plugged.emplace(L"t:", card.Path());
    drive1.SetDrive(L"t:\\photos");
    EXPECT_EQ(drive1.Drive(), L"t:") << "a drive the list did not hold yet";
    EXPECT_EQ(changes, 4) << "the program's own write raised a change";
}

// The drive list's own label reader, on the prefix's c:, which scripts/lib/wine-env.sh labels.
TEST_F(AdaptersTest, TheDriveListReadsTheLabelOfAFixedDrive) {
    EXPECT_EQ(DriveListWin32(Create(Form1Control::Drive1), L"c:\\").Drive(), L"c: [NUMORA-C]");
}

// A folder row drawn into a bitmap: its first column that is not background,
// and the text colour it was drawn in.
std::pair<int, COLORREF> DrawnRow(const FolderListWin32& dir1, int index, UINT state, HFONT font) {
    const WindowDc screen(nullptr);
    const HDC dc = CreateCompatibleDC(screen.Get());
    const HGDIOBJ bitmap = SelectObject(dc, CreateCompatibleBitmap(screen.Get(), 200, 16));
    SelectObject(dc, font);
    DRAWITEMSTRUCT item{};
    item.itemID = static_cast<UINT>(index);
    item.itemState = state;
    item.hDC = dc;
    item.rcItem = {0, 0, 200, 16};
    dir1.Draw(item);
    int left = -1, y = 16;  // the first column with a pixel unlike the background's
    while (y == 16 && ++left < 200)
        for (y = 0; y < 16 && GetPixel(dc, left, y) == GetPixel(dc, 199, 0);) ++y;
    const std::pair drawn{left, GetTextColor(dc)};
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
    const auto [currentLeft, currentText] = DrawnRow(dir1, rows - 2, ODS_SELECTED, font_.get());
    const auto [subfolderLeft, subfolderText] = DrawnRow(dir1, rows - 1, 0, font_.get());
    EXPECT_EQ(subfolderLeft - currentLeft, 12) << "one indent step";
    EXPECT_EQ(currentText, GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(subfolderText, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_LT(DrawnRow(dir1, 0, 0, font_.get()).first, currentLeft) << "the root's row";
    EXPECT_EQ(DrawnRow(dir1, -1, ODS_FOCUS, font_.get()).first, 0) << "an empty list's focus";
}

// A list box or combo box that refuses every row, as one out of memory does.
LRESULT CALLBACK RefuseRows(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    if (message == LB_ADDSTRING || message == CB_ADDSTRING) return LB_ERRSPACE;
    return DefSubclassProc(list, message, wParam, lParam);
}

// A drive list that cannot be refilled changes no drive, and the failure goes
// no further: the user's next action may choose.
TEST_F(AdaptersTest, ADriveListThatRefusesItsEntriesChangesNothing) {
    HWND drives = Create(Form1Control::Drive1);
    DriveListWin32 drive1(drives, L"c:\\");
    SetWindowSubclass(drives, RefuseRows, 0, 0);
    OneChoicePerAction choices;
    EXPECT_FALSE(drive1.Changed(CBN_DROPDOWN, choices));
}

// The file list over a list box that refuses its rows: the user is told, the
// list is left empty and drawn, the program goes on.
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
    dir1.path = folder.Path();
    Dir1_Change(dir1, file1, dir1);
    EXPECT_EQ(ItemsOf(list), std::vector<std::wstring>{L"a.jpg"});
    SetWindowSubclass(list, RefuseRows, 0, 0);
    Dir1_Change(dir1, file1, dir1);
    EXPECT_EQ(dir1.told, std::vector<std::wstring>{kFolderUnreadableText});
    EXPECT_EQ(file1.ListCount(), 0);
    EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE, 0) << "drawing was left off";
}

// Extensions of one letter (c, h, m, z) and of none.
TEST_F(AdaptersTest, LetterCaseMapsTextsOfAnyLength) {
    EXPECT_EQ(LetterCaseWin32().Upper(L"c") + LetterCaseWin32().Lower(L"Z"), L"Cz");
    EXPECT_EQ(LetterCaseWin32().Upper(L""), L"");
}

// The main window, loaded, in a folder of its own, with the files the tests
// look for: "c.jpg", "a.gif", "h.htm", "k.html" and "sub\d.jpeg".
class WindowsTest : public ::testing::Test, InstanceRule {
  protected:
    static Application& App() { return TestApplication(); }
    WindowsTest() {
        for (const auto* name : {L"c.jpg", L"a.gif", L"h.htm", L"k.html", L"sub\\d.jpeg"})
            folder_.AddFile(name);
        SetCurrentDirectoryW(folder_.Path().c_str());
        form1_.Create(App().Handle());
        Form_Load(form1_, *this);
        form1_.Show();
    }
    ~WindowsTest() override { SetCurrentDirectoryW(L"c:\\"); }  // so that the folder can go
    bool EarlierInstanceRunning() override { return false; }

    HWND Control(Form1Control control) const { return form1_.Control(control); }
    std::vector<std::wstring> Files() const { return ItemsOf(Control(Form1Control::File1)); }
    void PressKey(HWND focus, WPARAM key) { numora::PressKey(form1_.Handle(), focus, key); }

    const tools::TempFolder folder_;
    Form1 form1_{App(), App()};
};

// Loaded: as narrow as the load makes it, at its place; every control inside it
// but the counter box, which is out of sight; a fixed frame without minimize or
// maximize box, and owned by a hidden window, so no taskbar button. Closed combo
// boxes, which size themselves from their font, fitted to the layout.
TEST_F(WindowsTest, TheLoadedWindowShowsEveryControlButTheCounter) {
    const HWND form1 = form1_.Handle();
    RECT frame{}, client{};
    GetWindowRect(form1, &frame);
    GetClientRect(form1, &client);
    MapWindowPoints(form1, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(frame.right - frame.left, TwipsToPixels(5670, 96));
    EXPECT_EQ(client.left, TwipsToPixels(150, 96));
    for (HWND control = GetWindow(form1, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        RECT rect{}, seen{};
        GetWindowRect(control, &rect);
        IntersectRect(&seen, &rect, &client);
        EXPECT_TRUE(control == Control(Form1Control::Text2) ? IsRectEmpty(&seen)
                                                            : EqualRect(&seen, &rect))
            << "control " << GetDlgCtrlID(control);
    }
    for (const auto combo : {Form1Control::Drive1, Form1Control::Combo1, Form1Control::Combo2}) {
        RECT rect{};
        GetWindowRect(Control(combo), &rect);
        EXPECT_EQ(rect.bottom - rect.top,
                  ToPixels(kForm1Controls[RowOf(kForm1Controls, combo)].rect, 96).height);
    }
    EXPECT_EQ(GetWindowLongW(form1, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0);
    EXPECT_FALSE(IsWindowVisible(GetWindow(form1, GW_OWNER)));
}

// From the drive list the Tab key goes round the controls in layout order, past
// the counter box out of sight. 基本名 comes right before the base-name box in
// the window order, so that screen readers name the box by it.
TEST_F(WindowsTest, TabGoesRoundTheControlsAndTheLabelNamesTheBaseNameBox) {
    HWND focus = Control(Form1Control::Drive1);
    for (const Form1Control next :
         {Form1Control::Dir1, Form1Control::Text1, Form1Control::Combo1, Form1Control::Command2,
          Form1Control::Combo2, Form1Control::Command1, Form1Control::File1,
          Form1Control::Drive1}) {
        PressKey(focus, VK_TAB);
        focus = GetFocus();
        EXPECT_TRUE(focus == Control(next) || GetParent(focus) == Control(next))
            << "to control " << static_cast<int>(next);
    }
    EXPECT_EQ(GetWindow(Control(Form1Control::Text1), GW_HWNDPREV), Control(Form1Control::Label1));
}

TEST_F(WindowsTest, TheSystemLeavesAnUnreadyDriveToTheProgram) {
    EXPECT_NE(GetErrorMode() & SEM_FAILCRITICALERRORS, 0u) << "the system would ask for a disk";
}

// The menu the window has, each item found by its caption and chosen as the
// menu chooses it.
TEST_F(WindowsTest, EachMenuItemDoesWhatItsCaptionSays) {
    std::wstring shown;  // each menu's caption, then its items' in brackets
    std::map<std::wstring, UINT> ids;
    const HMENU bar = GetMenu(form1_.Handle());
    for (int top = 0; top < GetMenuItemCount(bar); ++top) {
        const HMENU menu = GetSubMenu(bar, top);
        for (int item = -1; item < GetMenuItemCount(menu); ++item) {
            wchar_t caption[64] = {};
            GetMenuStringW(item < 0 ? bar : menu, static_cast<UINT>(item < 0 ? top : item), caption,
                           64, MF_BYPOSITION);
            shown += item < 0 ? std::wstring(caption) : L"[" + std::wstring(caption) + L"]";
            if (item >= 0) ids[caption] = GetMenuItemID(menu, item);
        }
    }
    EXPECT_EQ(shown, L"ファイル[終了]ヘルプ[バージョン情報][][Numoraについて]");
    const auto choose = [&](const wchar_t* caption) {
        SendMessageW(form1_.Handle(), WM_COMMAND, MAKEWPARAM(ids.at(caption), 0), 0);
        return FindWindowW(NUMORA_FORM2_CLASS, nullptr);
    };
    EXPECT_EQ(choose(L"Numoraについて"), nullptr);
    const HWND about = choose(L"バージョン情報");
    EXPECT_NE(about, nullptr);
    EXPECT_TRUE(IsWindow(form1_.Handle()));
    choose(L"終了");
    EXPECT_FALSE(IsWindow(form1_.Handle()));
    DestroyWindow(about);
}

// Moved to a screen of twice the DPI, the controls take their places and font
// at that DPI, and the folder list's rows grow with the font.
TEST_F(WindowsTest, ADpiChangeLaysTheWindowOutAgain) {
    const auto file1 = [&] {  // its place, the folder list's row height, its font
        RECT rect{};
        GetWindowRect(Control(Form1Control::File1), &rect);
        MapWindowPoints(nullptr, form1_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return std::tuple{rect, SendMessageW(Control(Form1Control::Dir1), LB_GETITEMHEIGHT, 0, 0),
                          SendMessageW(Control(Form1Control::File1), WM_GETFONT, 0, 0)};
    };
    const auto [place, rowHeight, font] = file1();
    RECT suggested{};
    GetWindowRect(form1_.Handle(), &suggested);
    InflateRect(&suggested, (suggested.right - suggested.left) / 2,
                (suggested.bottom - suggested.top) / 2);
    SendMessageW(form1_.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    const auto [placeAt192, rowHeightAt192, fontAt192] = file1();
    EXPECT_NEAR(placeAt192.left, 2 * place.left, 1);
    EXPECT_NEAR(placeAt192.top, 2 * place.top, 1);
    EXPECT_NEAR(placeAt192.right, 2 * place.right, 1);
    EXPECT_NEAR(placeAt192.bottom, 2 * place.bottom, 1);
    EXPECT_NEAR(rowHeightAt192, 2 * rowHeight, 3);
    EXPECT_NE(fontAt192, font);
    EXPECT_EQ(SendMessageW(Control(Form1Control::Label1), WM_GETFONT, 0, 0), fontAt192);
}

// Another window comes and goes: the control that had the keyboard focus has it again.
TEST_F(WindowsTest, TheFocusComesBackToItsControlWhenTheWindowIsActiveAgain) {
    SetFocus(Control(Form1Control::Text1));
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                       nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    EXPECT_NE(GetFocus(), Control(Form1Control::Text1));
    DestroyWindow(other);
    SetActiveWindow(form1_.Handle());
    EXPECT_EQ(GetFocus(), Control(Form1Control::Text1));
}

// Opened by a double-click, or by Enter on its row, a folder's files follow it
// into the file list.
TEST_F(WindowsTest, TheFileListFollowsAFolderOpenedByDoubleClickOrEnter) {
    const HWND dir1 = Control(Form1Control::Dir1);
    const WPARAM sub = ItemsOf(dir1).size() - 1;  // the start folder's row, then "sub"
    RECT row{};
    SendMessageW(dir1, LB_GETITEMRECT, sub, reinterpret_cast<LPARAM>(&row));
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageW(dir1, message, MK_LBUTTON, MAKELPARAM(row.left + 4, row.top + 4));
    EXPECT_EQ(Files(), std::vector<std::wstring>{L"d.jpeg"});
    SendMessageW(dir1, LB_SETCURSEL, sub - 1, 0);
    PressKey(dir1, VK_RETURN);
    EXPECT_EQ(Files(), std::vector<std::wstring>{L"c.jpg"});
}

// The case button by a click and by Enter; an entry reached by the arrow keys,
// in the closed list or the open one, sets the filter and resets the case
// button; the focus or typing chooses nothing.
TEST_F(WindowsTest, TheExtensionBoxChoosesWhichFilesAreListed) {
    const HWND combo1 = Control(Form1Control::Combo1), command2 = Control(Form1Control::Command2);
    const auto shown = [&] { return tools::TextOf(combo1) + L"|" + tools::TextOf(command2); };
    SendMessageW(command2, BM_CLICK, 0, 0);
    EXPECT_EQ(shown(), L"JPG|a");
    PressKey(command2, VK_RETURN);  // no default button: the dialog keys report Enter as IDOK
    EXPECT_EQ(shown(), L"jpg|A");
    SendMessageW(command2, BM_CLICK, 0, 0);
    PressKey(GetWindow(combo1, GW_CHILD), VK_DOWN);  // no entry chosen yet: the first
    PressKey(GetWindow(combo1, GW_CHILD), VK_DOWN);
    EXPECT_EQ(shown(), L"gif|A");
    EXPECT_EQ(Files(), std::vector<std::wstring>{L"a.gif"});
    SendMessageW(command2, BM_CLICK, 0, 0);
    ServePosted();
    SetFocus(combo1);
    ServePosted();
    EXPECT_EQ(shown(), L"GIF|a") << "the focus alone chooses nothing";
    SendMessageW(combo1, CB_SHOWDROPDOWN, TRUE, 0);
    for (int entry = 2; entry <= 10; ++entry) PressKey(GetWindow(combo1, GW_CHILD), VK_DOWN);
    EXPECT_EQ(Files(), (std::vector<std::wstring>{L"h.htm", L"k.html"})) << "htm, reached open";
    SendMessageW(combo1, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageW(GetWindow(combo1, GW_CHILD), WM_CHAR, L'x', 0);
    ServePosted();
    EXPECT_EQ(Files(), (std::vector<std::wstring>{L"h.htm", L"k.html"})) << "typed";
}

}  // namespace
}  // namespace numora
