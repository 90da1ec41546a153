// What the user sees, as text held against files written by hand (tests/screens/),
// at 96 DPI and, in a child process, at 144: the windows as made, then the user's
// actions one by one, each with what it shows, message boxes where they come.
// NUMORA_WRITE_SCREENS=1 writes what is seen into those files instead.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <process.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "program_control.h"
#include "shell/application.h"
#include "shell/form_handlers.h"
#include "win32/handles.h"

namespace numora {
namespace {

using namespace tools;  // ClassOf, TextOf, WindowsOf

// Made once a process: it readies the process and registers the window classes.
Application& TestApplication() {
    // GoogleTest sets an error mode of its own: cleared, so that the program's shows.
    static const UINT testingErrorMode = SetErrorMode(0);
    static Application application;
    static_cast<void>(testingErrorMode);
    return application;
}

// Serves what the controls and windows posted, as the message loop would.
void ServePosted() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// A key on `focus`, handed on as the message loop does: `window`'s dialog keys first.
void PressKey(HWND window, HWND focus, WPARAM key) {
    SetFocus(focus);
    for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        MSG keyMessage{focus, message, key, 0, 0, {}};
        if (!IsDialogMessageW(window, &keyMessage)) DispatchMessageW(&keyMessage);
    }
    ServePosted();
}

// The rows of a list box, or the entries of a combo box.
std::vector<std::wstring> ItemsOf(HWND list) {
    const bool combo = ClassOf(list) == L"ComboBox";
    std::vector<std::wstring> items;
    for (LRESULT i = 0; i < SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0); ++i) {
        wchar_t item[256] = {};
        SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(item));
        items.emplace_back(item);
    }
    return items;
}

// The style bits a user feels: of which class ("window" for a top-level one,
// "" for any), the bits under a mask, and what the user feels of them.
struct Feature {
    const wchar_t* type;
    DWORD mask, bits;
    const wchar_t* felt;
};
constexpr Feature kFeatures[] = {
    {L"window", WS_CAPTION, WS_CAPTION, L"caption"},
    {L"window", WS_SYSMENU, WS_SYSMENU, L"system menu"},
    {L"window", WS_THICKFRAME, WS_THICKFRAME, L"sizing frame"},
    {L"window", WS_MINIMIZEBOX, WS_MINIMIZEBOX, L"minimize box"},
    {L"window", WS_MAXIMIZEBOX, WS_MAXIMIZEBOX, L"maximize box"},
    {L"ComboBox", 3, CBS_DROPDOWNLIST, L"drop-down list"},
    {L"ComboBox", 3, CBS_DROPDOWN, L"editable drop-down"},
    {L"ComboBox", CBS_SORT, CBS_SORT, L"sorted"},
    {L"ComboBox", CBS_AUTOHSCROLL, CBS_AUTOHSCROLL, L"scrolls sideways"},
    {L"ListBox", LBS_OWNERDRAWFIXED, LBS_OWNERDRAWFIXED, L"owner-drawn"},
    {L"ListBox", LBS_SORT, LBS_SORT, L"sorted"},
    {L"Edit", ES_AUTOHSCROLL, ES_AUTOHSCROLL, L"scrolls sideways"},
    {L"Button", BS_TYPEMASK, BS_DEFPUSHBUTTON, L"default button"},
    {L"Static", SS_TYPEMASK, SS_ICON, L"icon"},
    {L"", WS_VSCROLL, WS_VSCROLL, L"vertical scroll bar"},
    {L"", WS_TABSTOP | WS_CHILD, WS_TABSTOP | WS_CHILD, L"tab stop"},
    {L"", WS_GROUP | WS_CHILD, WS_GROUP | WS_CHILD, L"group"},
    {L"", WS_VISIBLE, 0, L"hidden"},
};

std::wstring Features(HWND window) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const std::wstring type = (style & WS_CHILD) != 0 ? ClassOf(window) : L"window";
    std::wstring felt;
    for (const Feature& feature : kFeatures) {
        if ((feature.type == type || *feature.type == L'\0') &&
            (style & feature.mask) == feature.bits)
            felt += (felt.empty() ? L"" : L", ") + std::wstring(feature.felt);
    }
    return felt;
}

std::wstring Joined(const std::vector<std::wstring>& entries) {
    std::wstring joined;
    for (const std::wstring& entry : entries) joined += (joined.empty() ? L"" : L" | ") + entry;
    return joined.empty() ? L"none" : joined;
}

// Where a control is in its window, and its font.
std::wstring Place(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L" to " +
           std::to_wstring(rect.right) + L"," + std::to_wstring(rect.bottom);
}
std::wstring FontOf(HWND control) {
    LOGFONTW font{};
    if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
                   &font) == 0)
        return L"";
    return std::wstring(font.lfFaceName) + L" " + std::to_wstring(std::abs(font.lfHeight)) + L" px";
}

std::wstring TipOf(HWND tips, HWND window, HWND tool) {
    wchar_t text[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = window;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    return text;
}

// A control: name, class, text, place, style, font, entries, image, tip, colour.
std::wstring Control(HWND window, HWND control, const wchar_t* name, HWND tips) {
    const std::wstring type = ClassOf(control), felt = Features(control);
    std::wstring shown = L"\n  " + std::wstring(name) + L" " + type;
    if (!TextOf(control).empty()) shown += L" \"" + TextOf(control) + L"\"";
    shown += L"\n    at " + Place(control) + (felt.empty() ? L"" : L"; ") + felt;
    if (!FontOf(control).empty()) shown += L"\n    font " + FontOf(control);
    if (type == L"ComboBox" || type == L"ListBox") {
        const std::vector<std::wstring> entries = ItemsOf(control);
        const LRESULT chosen =
            SendMessageW(control, type == L"ComboBox" ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
        if (!entries.empty()) shown += L"\n    entries " + Joined(entries);
        shown += L"\n    chosen " +
                 (chosen >= 0 ? entries.at(static_cast<std::size_t>(chosen)) : L"none");
    }
    if (type == L"Static" && SendMessageW(control, STM_GETICON, 0, 0) != 0)
        shown += L"\n    shows an icon";
    if (const std::wstring tip = TipOf(tips, window, control); !tip.empty())
        shown += L"\n    tip " + tip;
    if (type == L"Static") {
        const HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(control));
        if (const COLORREF colour = GetTextColor(dc); colour != GetSysColor(COLOR_WINDOWTEXT)) {
            wchar_t rgb[8] = {};
            swprintf(rgb, 8, L"%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                     GetBValue(colour));
            shown += L"\n    text colour " + std::wstring(rgb);
        }
        DeleteDC(dc);
    }
    return shown;
}

// The window's caption, frame, size and menu, then its controls in window order.
std::wstring Screen(HWND window, std::initializer_list<const wchar_t*> names,
                    bool placedByProgram) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const HWND owner = GetWindow(window, GW_OWNER);
    std::wstring shown =
        L"window \"" + TextOf(window) + L"\": " + Features(window) +
        (owner != nullptr && !IsWindowVisible(owner) ? L"; owned by a hidden window" : L"") +
        L"\n  client area " + std::to_wstring(client.right - client.left) + L"x" +
        std::to_wstring(client.bottom - client.top) + L", outer width " +
        std::to_wstring(outer.right - outer.left);
    if (placedByProgram)
        shown += L"; client area at " + std::to_wstring(client.left) + L"," +
                 std::to_wstring(client.top);
    const HMENU bar = GetMenu(window);
    for (int top = 0; bar != nullptr && top < GetMenuItemCount(bar); ++top) {
        for (int item = -1; item < GetMenuItemCount(GetSubMenu(bar, top)); ++item) {
            const HMENU menu = item < 0 ? bar : GetSubMenu(bar, top);
            const UINT at = static_cast<UINT>(item < 0 ? top : item);
            const UINT state = GetMenuState(menu, at, MF_BYPOSITION);
            wchar_t caption[64] = L"----";
            if ((state & MF_SEPARATOR) == 0) GetMenuStringW(menu, at, caption, 64, MF_BYPOSITION);
            shown += (item < 0 ? L"\n  menu " : L"\n    ") + std::wstring(caption) +
                     ((state & (MF_GRAYED | MF_SEPARATOR)) == MF_GRAYED ? L" (grayed)" : L"");
        }
    }
    HWND tips = nullptr;
    for (const HWND candidate : WindowsOf(GetCurrentProcessId(), TOOLTIPS_CLASSW))
        if (GetWindow(candidate, GW_OWNER) == window) tips = candidate;
    auto name = names.begin();
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        shown += Control(window, control, name != names.end() ? *name++ : L"?", tips);
    return shown + L"\n";
}

// Where each row of the folder list starts its text, drawn as the list draws
// it, against the same text drawn plainly; and when a row is drawn highlighted.
std::wstring DrawnRows(HWND dir1) {
    const WindowDc screen(nullptr);
    const HDC dc = CreateCompatibleDC(screen.Get());
    const HGDIOBJ bitmap = SelectObject(dc, CreateCompatibleBitmap(screen.Get(), 300, 40));
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dir1, WM_GETFONT, 0, 0)));
    const auto firstStroke = [&] {  // the first column with a pixel unlike the background's
        for (int x = 0; x < 300; ++x)
            for (int y = 0; y < 40; ++y)
                if (GetPixel(dc, x, y) != GetPixel(dc, 299, 39)) return x;
        return -1;
    };
    const std::vector<std::wstring> rows = ItemsOf(dir1);
    const LRESULT current = SendMessageW(dir1, LB_GETCURSEL, 0, 0);
    std::wstring shown;
    for (int row = -1; row < static_cast<int>(rows.size()); ++row) {
        RECT all{0, 0, 300, 40};
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        if (row >= 0)
            DrawTextW(dc, rows[static_cast<std::size_t>(row)].c_str(), -1, &all, DT_NOPREFIX);
        const int plain = row >= 0 ? firstStroke() : 0;
        const UINT state = row == current ? ODS_SELECTED : row < 0 ? ODS_FOCUS : 0U;
        DRAWITEMSTRUCT item{ODT_LISTBOX, 0, UINT(row), ODA_DRAWENTIRE, state, dir1, dc, all, 0};
        SendMessageW(GetParent(dir1), WM_DRAWITEM, GetDlgCtrlID(dir1),
                     reinterpret_cast<LPARAM>(&item));
        shown += (row < 0 ? L"no row, focused" : L", " + rows[static_cast<std::size_t>(row)]) +
                 L" at " + std::to_wstring(firstStroke() - plain) + L" px" +
                 (GetTextColor(dc) == GetSysColor(COLOR_HIGHLIGHTTEXT) ? L" highlighted" : L"");
    }
    DeleteObject(SelectObject(dc, bitmap));
    DeleteDC(dc);
    return shown;
}

// A list box or combo box that refuses every row, as one out of memory does.
LRESULT CALLBACK RefuseRows(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    if (message == LB_ADDSTRING || message == CB_ADDSTRING) return LB_ERRSPACE;
    return DefSubclassProc(list, message, wParam, lParam);
}

// What the user has seen so far, and the window under the program's message boxes.
std::wstring transcript;
HWND windowUnderBoxes = nullptr;

// Reads the thread's message box once it shows, then closes it by its OK.
void CALLBACK ReadAndCloseMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    const std::vector<HWND> boxes = WindowsOf(GetCurrentProcessId(), L"#32770");
    if (boxes.empty() || !IsWindowVisible(boxes.front())) return;
    std::wstring icon = L"none", text, buttons;  // in this order, however the box orders them
    for (HWND child = GetWindow(boxes.front(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const auto shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        if (!IsWindowVisible(child)) continue;
        if (ClassOf(child) == L"Button")
            buttons += L" " + TextOf(child);
        else if (shown == nullptr)
            text += TextOf(child);
        else
            icon = shown == LoadIconW(nullptr, IDI_INFORMATION) ? L"information" : L"another";
    }
    transcript +=
        L"message box \"" + TextOf(boxes.front()) + L"\"" +
        (IsWindowEnabled(windowUnderBoxes) ? L"" : L", the main window disabled under it") +
        L"\n  icon " + icon + L"\n  text " + text + L"\n  buttons" + buttons + L"\n";
    PostMessageW(boxes.front(), WM_COMMAND, IDOK, 0);
}

// Every line of both, those only written marked "-", those only seen "+".
std::string LineDifference(const std::string& written, const std::string& seen) {
    std::vector<std::string> a, b;
    std::istringstream writtenLines(written), seenLines(seen);
    for (std::string line; std::getline(writtenLines, line);) a.push_back(line);
    for (std::string line; std::getline(seenLines, line);) b.push_back(line);
    std::vector<std::vector<std::size_t>> common(a.size() + 1,
                                                 std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    std::string difference;
    for (std::size_t i = 0, j = 0; i < a.size() || j < b.size();) {
        if (i < a.size() && j < b.size() && a[i] == b[j])
            difference += "  " + a[i++] + "\n", ++j;
        else if (j < b.size() && (i == a.size() || common[i][j + 1] >= common[i + 1][j]))
            difference += "+ " + b[j++] + "\n";
        else
            difference += "- " + a[i++] + "\n";
    }
    return difference;
}

// c:\写真: a file of each kind the extension box names, one of none, more photos
// than the file list shows at once, Explorer ordering them otherwise than their
// code units do, and two subfolders.
std::wstring PhotoFolder() {
    const std::filesystem::path folder = L"c:\\写真";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / L"2001");
    std::filesystem::create_directories(folder / L"旅");
    for (const std::wstring kind : {L"jpg", L"jpeg", L"gif", L"bmp", L"ico", L"txt", L"rm", L"ram",
                                    L"mpg", L"mpeg", L"avi", L"mp3", L"htm", L"html"})
        std::ofstream(folder / (L"a." + kind));
    for (int number = 1; number <= 40; ++number)
        std::ofstream(folder / (L"img" + std::to_wstring(number) + L".jpg"));
    for (const auto* name : {L"noext", L"2001\\d.jpeg", L"旅\\img9.jpeg", L"旅\\img10.jpg",
                             L"旅\\img11.jpg", L"旅\\京都と奈良の旅_2001年春_003.jpg"})
        std::ofstream(folder / name);
    return folder.wstring();
}

// The main window as the program makes and loads it, in c:\写真; the user's ways.
class ScreensTest : public ::testing::Test, InstanceRule {
  protected:
    ScreensTest() {
        SetCurrentDirectoryW(PhotoFolder().c_str());
        form1_.Create(TestApplication().Handle());
        Form_Load(form1_, *this);
        form1_.Show();
    }
    ~ScreensTest() override {
        SetCurrentDirectoryW(L"c:\\");  // so that the folder can go
        std::error_code ignored;
        std::filesystem::remove_all(L"c:\\写真", ignored);
    }
    bool EarlierInstanceRunning() override { return false; }

    HWND Control(Form1Control name) const { return form1_.Control(name); }
    HWND TextField(Form1Control combo) const { return GetWindow(Control(combo), GW_CHILD); }
    std::wstring Text(Form1Control name) const { return TextOf(Control(name)); }
    std::wstring Entries(Form1Control list) const { return Joined(ItemsOf(Control(list))); }
    void Key(HWND focus, WPARAM key) { PressKey(form1_.Handle(), focus, key); }
    void Note(const std::wstring& line) { transcript += line + L"\n"; }
    void OpenRow(int row) {
        SendMessageW(Control(Form1Control::Dir1), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        Key(Control(Form1Control::Dir1), VK_RETURN);
    }
    // The menu item of this caption, chosen as the menu chooses it.
    void Choose(const std::wstring& caption) {
        const HMENU bar = GetMenu(form1_.Handle());
        for (int top = 0; top < GetMenuItemCount(bar); ++top) {
            const HMENU menu = GetSubMenu(bar, top);
            for (int item = 0; item < GetMenuItemCount(menu); ++item) {
                wchar_t shown[64] = {};
                GetMenuStringW(menu, static_cast<UINT>(item), shown, 64, MF_BYPOSITION);
                if (shown == caption)
                    SendMessageW(form1_.Handle(), WM_COMMAND, GetMenuItemID(menu, item), 0);
            }
        }
    }

    Form1 form1_{TestApplication(), TestApplication()};
};

TEST_F(ScreensTest, WhatTheUserSeesIsAsWritten) {
    using enum Form1Control;
    const HWND form1 = form1_.Handle();
    // A scheme whose text is not black, so that a label drawn in black of its own shows.
    const int elements[] = {COLOR_WINDOWTEXT, COLOR_BTNTEXT};
    const COLORREF navy[] = {RGB(0, 0, 128), RGB(0, 0, 128)}, black[] = {0, 0};
    SetSysColors(2, elements, navy);
    transcript = Screen(form1,
                        {L"Drive1", L"Dir1", L"Label1", L"Text1", L"Combo1", L"Command2", L"Combo2",
                         L"Command1", L"File1", L"Text2"},
                        true);
    Choose(L"Numoraについて");
    Choose(L"バージョン情報");
    for (const HWND about : WindowsOf(GetCurrentProcessId(), kForm2.Window.ClassName)) {
        transcript += Screen(
            about, {L"Image1", L"Label1", L"Command1", L"lblVersion", L"lblDisclaimer", L"Label2"},
            false);
        const auto state = [&] {
            return IsWindow(about) ? L"open, the focus on " + TextOf(GetFocus()) : L"closed";
        };
        Note(L"the about window: " + state());
        for (const WPARAM key : {VK_ESCAPE, VK_TAB}) PressKey(about, GetFocus(), key);
        Note(L"Escape and Tab: " + state());
        PressKey(about, GetFocus(), VK_RETURN);
        Note(L"Enter: " + state());
    }
    SetSysColors(2, elements, black);
    Note(L"the folder list's rows as drawn: " + DrawnRows(Control(Dir1)));
    Note(L"the system asks for no disk of an unready drive: " +
         std::wstring((GetErrorMode() & SEM_FAILCRITICALERRORS) != 0 ? L"yes" : L"no"));
    windowUnderBoxes = form1;
    const UINT_PTR readsBoxes = SetTimer(nullptr, 0, 10, ReadAndCloseMessageBox);

    // (Fault: the run's widths taken from anything but the digit box's own list.)
    OpenRow(2);
    Note(L"2001 opened by Enter on its row, then each width chosen by the arrow keys and 連番化:");
    for (int width = 1; width <= 6; ++width) {
        Key(TextField(Combo2), VK_DOWN);  // none chosen yet: the first
        SendMessageW(Control(Command1), BM_CLICK, 0, 0);
        Note(L"  " + Text(Combo2) + L": " + Entries(File1));
    }

    // (Faults: the busy pointer lost to each control's own, or kept from them after.)
    const auto pointerOver = [&](HWND window) {
        SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return std::wstring(GetCursor() == LoadCursorW(nullptr, IDC_APPSTARTING)
                                ? L"arrow with hourglass"
                            : GetCursor() == LoadCursorW(nullptr, IDC_IBEAM) ? L"text cursor"
                                                                             : L"another");
    };
    Key(TextField(Combo2), VK_UP);  // so that the one file is to be renamed
    Command1_Click(form1_, [&](const std::wstring&, const std::wstring&) {
        Note(L"the pointer during a run, over the window: " + pointerOver(form1) +
             L"; over the base-name box: " + pointerOver(Control(Text1)));
        return false;
    });
    Note(L"after it, over the base-name box: " + pointerOver(Control(Text1)));

    // (Faults: a length limit on the base-name box; Enter on the run button; the
    // run taking the names in another order than the list shows them.)
    RECT row{};
    SendMessageW(Control(Dir1), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageW(Control(Dir1), message, MK_LBUTTON, MAKELPARAM(row.left + 4, row.top + 4));
    OpenRow(3);
    Note(L"写真 opened by a double-click, 旅 by Enter: " + Entries(File1));
    for (int width = 5; width > 3; --width) Key(TextField(Combo2), VK_UP);
    SetFocus(Control(Text1));
    for (const wchar_t typed : std::wstring(L"京都と奈良の旅_2001年春_")) {
        MSG key{Control(Text1), WM_CHAR, typed, 0, 0, {}};
        if (!IsDialogMessageW(form1, &key)) DispatchMessageW(&key);
    }
    for (int tab = 0; tab < 4; ++tab) Key(GetFocus(), VK_TAB);
    Key(GetFocus(), VK_RETURN);
    Note(L"３桁 chosen, a base name typed, Tab four times, Enter: " + Entries(File1) +
         L"; counter " + Text(Text2));

    // (Faults: a wrong pattern, or the pattern of another position.)
    OpenRow(1);
    Note(L"写真 opened, the case button pressed, then each extension chosen by the arrow keys:");
    SendMessageW(Control(Command2), BM_CLICK, 0, 0);
    for (int entry = 0; entry < 12; ++entry) {
        Key(TextField(Combo1), VK_DOWN);  // none chosen yet: the first
        Note(L"  " + Text(Combo1) + L" " + Text(Command2) + L": " + Entries(File1));
    }
    SendMessageW(Control(Combo1), CB_SHOWDROPDOWN, TRUE, 0);
    Key(TextField(Combo1), VK_UP);
    SendMessageW(Control(Combo1), CB_SHOWDROPDOWN, FALSE, 0);
    Note(L"an entry reached in the open list: " + Entries(File1));
    SendMessageW(Control(Command2), BM_CLICK, 0, 0);
    SetFocus(TextField(Combo1));
    SendMessageW(TextField(Combo1), WM_CHAR, L'x', 0);
    ServePosted();
    Note(L"the case button, the focus on the extension and a key typed there: " + Text(Combo1) +
         L" " + Text(Command2) + L": " + Entries(File1));

    OpenRow(2);
    Note(L"2001 opened, bmp chosen, 連番化 pressed:");
    for (int entry = 10; entry > 2; --entry) Key(TextField(Combo1), VK_UP);
    SendMessageW(Control(Command1), BM_CLICK, 0, 0);
    std::filesystem::remove_all(L"c:\\写真\\2001");
    Note(L"2001 gone, gif chosen:");
    Key(TextField(Combo1), VK_UP);
    Note(L"  the file list: " + Entries(File1));

    Note(L"Enter on 2001's row, gone:");
    OpenRow(2);
    Note(L"  folders " + Entries(Dir1));

    // (Faults: a choice of the drive shown opening its current folder; the open
    // list not read afresh; browsing it choosing; an empty root read as an
    // unreadable folder; a chosen drive's label added beside its entry.)
    const auto drive = [&](const std::wstring& keys) {
        Note(L"  " + keys + L": " + Text(Drive1) + L" shown; folders " + Entries(Dir1) +
             L"; files " + Entries(File1));
    };
    const auto open = [&] {
        SetFocus(Control(Drive1));
        SendMessageW(Control(Drive1), CB_SHOWDROPDOWN, TRUE, 0);
    };
    Note(L"drives, the list opened, or the keys in the closed list:");
    open();
    Key(Control(Drive1), VK_RETURN);
    drive(L"opened, Enter on the drive shown");
    DefineDosDeviceW(0, L"s:", L"c:\\写真\\旅");
    open();
    Note(L"  s: put in, opened: " + Entries(Drive1));
    Key(Control(Drive1), VK_DOWN);
    Key(Control(Drive1), VK_ESCAPE);
    drive(L"down, Escape");
    DefineDosDeviceW(DDD_REMOVE_DEFINITION, L"s:", nullptr);
    open();
    Key(Control(Drive1), VK_DOWN);
    Key(Control(Drive1), VK_RETURN);
    drive(L"s: taken out, opened, down, Enter");
    Key(Control(Drive1), VK_DOWN);
    drive(L"down");
    Key(Control(Drive1), VK_UP);
    drive(L"up");
    Note(L"  entries " + Entries(Drive1));

    // (Faults: a list that refuses its entries ending the program, or leaving
    // another folder's names, or its drawing off.)
    Key(TextField(Combo1), VK_UP);
    SetWindowSubclass(Control(File1), RefuseRows, 0, 0);
    SetWindowSubclass(Control(Drive1), RefuseRows, 0, 0);
    Note(L"jpg chosen, the lists refusing their rows, 旅 opened, then the drive list opened:");
    OpenRow(2);
    SendMessageW(Control(Drive1), CB_SHOWDROPDOWN, TRUE, 0);
    Key(Control(Drive1), VK_ESCAPE);
    Note(L"  files " + Entries(File1) + L", " +
         (IsWindowVisible(Control(File1)) ? L"drawn" : L"not drawn") + L"; drives " +
         Entries(Drive1) + L"; folders " + Entries(Dir1));
    RemoveWindowSubclass(Control(File1), RefuseRows, 0);
    RemoveWindowSubclass(Control(Drive1), RefuseRows, 0);
    // (Fault: a folder list that cannot show its rows reported as opened.)
    SetWindowSubclass(Control(Dir1), RefuseRows, 0, 0);
    Note(L"the folder list refusing its rows, 写真 opened:");
    OpenRow(1);
    Note(L"  folders " + Entries(Dir1) + L"; files " + Entries(File1));
    RemoveWindowSubclass(Control(Dir1), RefuseRows, 0);

    // (Fault: a one-letter text left as it was.)
    SendMessageW(Control(Combo1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"c"));
    SendMessageW(Control(Command2), BM_CLICK, 0, 0);
    const std::wstring upper = Text(Combo1);
    SendMessageW(Control(Command2), BM_CLICK, 0, 0);
    Note(L"c as the extension, the case button pressed twice: " + upper + L", then " +
         Text(Combo1));

    // (Fault: the focus left wherever the system puts it.)
    SetFocus(Control(Text1));
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                       nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    DestroyWindow(other);
    SetActiveWindow(form1);
    Note(L"another window came and went: the focus is back on " +
         std::wstring(GetFocus() == Control(Text1) ? L"the base-name box" : L"another control"));

    // (Fault: a DPI change that moves the window but not its controls.)
    RECT suggested{};
    GetWindowRect(form1, &suggested);
    InflateRect(&suggested, 200, 300);
    SendMessageW(form1, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    Note(L"moved to a screen of 192 DPI: File1 at " + Place(Control(File1)) + L"; font " +
         FontOf(Control(File1)));

    Choose(L"終了");
    Note(L"終了 chosen: the main window is " + std::wstring(IsWindow(form1) ? L"open" : L"closed"));
    KillTimer(nullptr, readsBoxes);

    const WindowDc screen(nullptr);
    const std::filesystem::path written =
        tools::OwnFolder() / NUMORA_SCREENS_FOLDER /
        ("at-" + std::to_string(GetDeviceCaps(screen.Get(), LOGPIXELSX)) + "-dpi.txt");
    const std::u8string utf8 = std::filesystem::path(transcript).u8string();
    const std::string seen(utf8.begin(), utf8.end());
    if (GetEnvironmentVariableW(L"NUMORA_WRITE_SCREENS", nullptr, 0) > 0) {
        std::ofstream(written, std::ios::binary) << seen;
        return;
    }
    std::stringstream expected;
    expected << std::ifstream(written, std::ios::binary).rdbuf();
    if (expected.str() != seen)
        ADD_FAILURE() << written.string() << " is not what the screen shows (- written, + seen):\n"
                      << LineDifference(expected.str(), seen);
}

// The same at 144 DPI, in a child process: a process reads the DPI when it starts.
TEST(ScreensAt144DpiTest, WhatTheUserSeesIsAsWritten) {
    const auto setSystemDpi = [](DWORD dpi) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                        sizeof(dpi));
    };
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SetEnvironmentVariableW(L"GTEST_FILTER", L"ScreensTest.*");
    setSystemDpi(144);
    const UniqueKernelHandle child(
        reinterpret_cast<HANDLE>(_wspawnl(_P_NOWAIT, self, self, nullptr)));
    // Served meanwhile: what the child sends every window of the session reaches this one's too.
    const HANDLE waited = child.get();
    while (MsgWaitForMultipleObjects(1, &waited, FALSE, 60000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        ServePosted();
    setSystemDpi(96);
    DWORD exitCode = 1;
    GetExitCodeProcess(waited, &exitCode);
    EXPECT_EQ(exitCode, 0u) << "the child's output is above";
}

}  // namespace
}  // namespace numora
