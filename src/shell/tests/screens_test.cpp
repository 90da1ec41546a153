// What the user sees of the program, written out as plain text and held against
// files written by hand (tests/screens/): the main window and an about window,
// each message box the program shows, at 96 DPI and, in a child process, at 144.
// NUMORA_WRITE_SCREENS=1 writes what is seen into those files instead.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "program_control.h"
#include "shell/form1_window.h"
#include "shell/form_handlers.h"
#include "support/test_window.h"
#include "win32/handles.h"

namespace numora {
namespace {

std::string Utf8(const std::wstring& text) {
    std::string narrow(text.size() * 3, '\0');
    narrow.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                            static_cast<int>(narrow.size()), nullptr, nullptr)));
    return narrow;
}

// The style bits a user feels, by what each means for this class of window.
std::wstring Features(HWND window) {
    const std::wstring type = tools::ClassOf(window);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    std::vector<std::pair<bool, const wchar_t*>> features;
    if (type == L"ComboBox") {
        features = {{(style & 3) == CBS_DROPDOWNLIST, L"drop-down list"},
                    {(style & 3) == CBS_DROPDOWN, L"editable drop-down"},
                    {(style & CBS_SORT) != 0, L"sorted"},
                    {(style & CBS_AUTOHSCROLL) != 0, L"scrolls sideways"}};
    } else if (type == L"ListBox") {
        features = {{(style & LBS_OWNERDRAWFIXED) != 0, L"owner-drawn"},
                    {(style & LBS_SORT) != 0, L"sorted"},
                    {(style & LBS_MULTIPLESEL) != 0, L"multiple choice"}};
    } else if (type == L"Edit") {
        features = {{(style & ES_AUTOHSCROLL) != 0, L"scrolls sideways"},
                    {(style & ES_READONLY) != 0, L"read-only"},
                    {(style & ES_MULTILINE) != 0, L"multi-line"}};
    } else if (type == L"Button") {
        features = {{(style & BS_TYPEMASK) == BS_DEFPUSHBUTTON, L"default button"}};
    } else if (type == L"Static") {
        const bool icon = (style & SS_TYPEMASK) == SS_ICON;
        features = {{icon, L"icon"}, {!icon && (style & SS_NOPREFIX) == 0, L"& underlines"}};
    } else {
        features = {{(style & WS_CAPTION) == WS_CAPTION, L"caption"},
                    {(style & WS_SYSMENU) != 0, L"system menu"},
                    {(style & WS_THICKFRAME) != 0, L"sizing frame"},
                    {(style & WS_MINIMIZEBOX) != 0, L"minimize box"},
                    {(style & WS_MAXIMIZEBOX) != 0, L"maximize box"},
                    {(exStyle & WS_EX_APPWINDOW) != 0, L"taskbar button"},
                    {(exStyle & WS_EX_TOOLWINDOW) != 0, L"tool window"},
                    {(exStyle & WS_EX_TOPMOST) != 0, L"topmost"}};
    }
    features.insert(features.end(), {{(style & WS_VSCROLL) != 0, L"vertical scroll bar"},
                                     {(style & WS_TABSTOP) != 0, L"tab stop"},
                                     {(style & WS_GROUP) != 0 && (style & WS_CHILD), L"group"},
                                     {(style & WS_VISIBLE) == 0, L"hidden"},
                                     {(style & WS_DISABLED) != 0, L"disabled"}});
    std::wstring shown;
    for (const auto& [present, name] : features) {
        if (present) shown += (shown.empty() ? L"" : L", ") + std::wstring(name);
    }
    return shown;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// This thread's top-level windows of one class.
std::vector<HWND> ThreadWindows(const wchar_t* className) {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    std::erase_if(windows, [&](HWND window) { return tools::ClassOf(window) != className; });
    return windows;
}

// A list's entries, and the one chosen.
void WriteEntries(HWND control, bool combo, std::wostringstream& out) {
    const auto entry = [&](LRESULT index) {
        wchar_t text[256] = {};
        SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    const LRESULT count = SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) out << (i == 0 ? L"\n    entries " : L" | ") << entry(i);
    const LRESULT chosen = SendMessageW(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    out << L"\n    chosen " << (chosen >= 0 ? entry(chosen) : L"none");
}

std::wstring TipOf(HWND tips, HWND owner, HWND tool) {
    wchar_t text[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    return text;
}

// The window's caption, frame and size, its menu, then each control in window
// order: its name, class and text, its place and what the user feels of it,
// its font, entries, tip and own text colour.
std::string Screen(HWND window, const std::vector<std::pair<HWND, std::wstring>>& names,
                   bool placedByProgram) {
    std::wostringstream out;
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const HWND owner = GetWindow(window, GW_OWNER);
    out << L"window \"" << tools::TextOf(window) << L"\": " << Features(window)
        << (owner != nullptr && !IsWindowVisible(owner) ? L"; owned by a hidden window" : L"")
        << L"\n  client area " << client.right - client.left << L"x" << client.bottom - client.top
        << L", outer width " << outer.right - outer.left;
    if (placedByProgram) out << L"; client area at " << client.left << L"," << client.top;
    const HMENU bar = GetMenu(window);
    for (int top = 0; bar != nullptr && top < GetMenuItemCount(bar); ++top) {
        const HMENU menu = GetSubMenu(bar, top);
        for (int item = -1; item < GetMenuItemCount(menu); ++item) {
            const HMENU in = item < 0 ? bar : menu;
            const UINT at = static_cast<UINT>(item < 0 ? top : item);
            const UINT state = GetMenuState(in, at, MF_BYPOSITION);
            wchar_t caption[64] = L"----";
            if ((state & MF_SEPARATOR) == 0) GetMenuStringW(in, at, caption, 64, MF_BYPOSITION);
            out << (item < 0 ? L"\n  menu " : L"\n    ") << caption
                << ((state & (MF_GRAYED | MF_SEPARATOR)) == MF_GRAYED ? L" (grayed)" : L"")
                << ((state & MF_CHECKED) != 0 ? L" (checked)" : L"");
        }
    }
    HWND tips = nullptr;
    for (const HWND candidate : ThreadWindows(TOOLTIPS_CLASSW))
        if (GetWindow(candidate, GW_OWNER) == window) tips = candidate;
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const auto named = std::find_if(names.begin(), names.end(),
                                        [&](const auto& name) { return name.first == control; });
        const std::wstring type = tools::ClassOf(control);
        out << L"\n  " << (named == names.end() ? L"?" : named->second) << L" " << type;
        if (!tools::TextOf(control).empty()) out << L" \"" << tools::TextOf(control) << L"\"";
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        out << L"\n    at " << rect.left << L"," << rect.top << L" to " << rect.right << L","
            << rect.bottom << (Features(control).empty() ? L"" : L"; ") << Features(control);
        LOGFONTW font{};
        if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                       sizeof(font), &font) != 0)
            out << L"\n    font " << font.lfFaceName << L" " << std::abs(font.lfHeight) << L" px";
        if (type == L"ComboBox" || type == L"ListBox")
            WriteEntries(control, type == L"ComboBox", out);
        if (const HICON icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
            type == L"Static" && icon != nullptr) {
            ICONINFO info{};
            BITMAP bits{};
            GetIconInfo(icon, &info);
            GetObjectW(info.hbmColor, sizeof(bits), &bits);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            out << L"\n    shows an icon " << bits.bmWidth << L"x" << bits.bmHeight;
        }
        if (tips != nullptr && !TipOf(tips, window, control).empty()) {
            const HWND edit = GetWindow(control, GW_CHILD);
            out << L"\n    tip " << TipOf(tips, window, control)
                << (edit != nullptr && TipOf(tips, window, edit) == TipOf(tips, window, control)
                        ? L" (over its text field too)"
                        : L"");
        }
        if (type == L"Static") {
            const HDC dc = CreateCompatibleDC(nullptr);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control));
            if (const COLORREF colour = GetTextColor(dc); colour != GetSysColor(COLOR_WINDOWTEXT)) {
                wchar_t rgb[8] = {};
                swprintf(rgb, 8, L"%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                         GetBValue(colour));
                out << L"\n    text colour " << rgb;
            }
            DeleteDC(dc);
        }
    }
    return Utf8(out.str()) + "\n";
}

// The names of a window's controls, found by their ids.
template <typename ControlName>
std::vector<std::pair<HWND, std::wstring>> NamesOf(
    HWND window, std::initializer_list<std::pair<ControlName, const wchar_t*>> names) {
    std::vector<std::pair<HWND, std::wstring>> found;
    for (const auto& [control, name] : names)
        found.emplace_back(GetDlgItem(window, static_cast<int>(control)), name);
    return found;
}

// What the program's message boxes showed, in turn, and the window under them.
std::string boxesShown;
HWND windowUnderBoxes = nullptr;

// Reads the thread's message box once it shows, then closes it by its OK.
void CALLBACK ReadAndCloseMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    for (const HWND candidate : ThreadWindows(L"#32770"))
        if (IsWindowVisible(candidate)) box = candidate;
    if (box == nullptr) return;
    std::wostringstream out;
    out << L"message box \"" << tools::TextOf(box) << L"\""
        << (IsWindowEnabled(windowUnderBoxes) ? L"" : L", the main window disabled under it");
    std::wstring icon = L"none", text, buttons;  // in this order, however the box orders them
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        if (!IsWindowVisible(child)) continue;
        if (tools::ClassOf(child) == L"Button") {
            buttons += L" " + tools::TextOf(child);
        } else if (shown != nullptr) {
            icon = shown == LoadIconW(nullptr, IDI_INFORMATION) ? L"information"
                   : shown == LoadIconW(nullptr, IDI_ERROR)     ? L"error"
                   : shown == LoadIconW(nullptr, IDI_WARNING)   ? L"warning"
                                                                : L"another";
        } else {
            text += tools::TextOf(child);
        }
    }
    out << L"\n  icon " << icon << L"\n  text " << text << L"\n  buttons" << buttons;
    boxesShown += Utf8(out.str()) + "\n";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every line of both, those only written marked "-", those only seen "+".
std::string LineDifference(const std::string& written, const std::string& seen) {
    const std::vector<std::string> a = Lines(written), b = Lines(seen);
    std::vector<std::vector<std::size_t>> common(a.size() + 1,
                                                 std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    std::string difference;
    for (std::size_t i = 0, j = 0; i < a.size() || j < b.size();) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            difference += "  " + a[i++] + "\n";
            ++j;
        } else if (j < b.size() && (i == a.size() || common[i][j + 1] >= common[i + 1][j])) {
            difference += "+ " + b[j++] + "\n";
        } else {
            difference += "- " + a[i++] + "\n";
        }
    }
    return difference;
}

// The main window loaded in c:\写真, which holds a subfolder and files of two
// kinds, more than the file list shows at once, whose names Explorer orders
// otherwise than their code units do.
class ScreensTest : public ::testing::Test, InstanceRule {
  protected:
    ScreensTest() {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / L"2001");
        for (const auto* name : {L"a.jpg", L"b.jpeg", L"c.gif"}) std::ofstream(folder_ / name);
        for (int number = 1; number <= 40; ++number)
            std::ofstream(folder_ / (L"img" + std::to_wstring(number) + L".jpg"));
        SetCurrentDirectoryW(folder_.c_str());
        form1_.Create(TestApplication().Handle());
        Form_Load(form1_, *this);
        form1_.Show();
    }
    ~ScreensTest() override {
        SetCurrentDirectoryW(L"c:\\");
        std::filesystem::remove_all(folder_, ignored_);
    }
    bool EarlierInstanceRunning() override { return false; }

    const std::filesystem::path folder_{L"c:\\写真"};
    std::error_code ignored_;
    Form1 form1_{TestApplication(), TestApplication()};
};

// A scheme whose text is not black, so that a label drawn in black of its own shows.
struct NavyText {
    NavyText() { SetSysColors(2, kElements, kNavy); }
    ~NavyText() { SetSysColors(2, kElements, kBlack); }
    static constexpr int kElements[2] = {COLOR_WINDOWTEXT, COLOR_BTNTEXT};
    static constexpr COLORREF kNavy[2] = {RGB(0, 0, 128), RGB(0, 0, 128)};
    static constexpr COLORREF kBlack[2] = {0, 0};
};

TEST_F(ScreensTest, WhatTheUserSeesIsAsWritten) {
    const NavyText scheme;
    const HWND form1 = form1_.Handle();
    std::string seen = Screen(form1,
                              NamesOf<Form1Control>(form1, {{Form1Control::Drive1, L"Drive1"},
                                                            {Form1Control::Dir1, L"Dir1"},
                                                            {Form1Control::Label1, L"Label1"},
                                                            {Form1Control::Text1, L"Text1"},
                                                            {Form1Control::Combo1, L"Combo1"},
                                                            {Form1Control::Command2, L"Command2"},
                                                            {Form1Control::Combo2, L"Combo2"},
                                                            {Form1Control::Command1, L"Command1"},
                                                            {Form1Control::File1, L"File1"},
                                                            {Form1Control::Text2, L"Text2"}}),
                              true);
    SendMessageW(form1, WM_COMMAND, IDM_MVER_ABOUT, 0);
    const HWND about = FindWindowW(NUMORA_FORM2_CLASS, nullptr);
    seen += Screen(about,
                   NamesOf<Form2Control>(about, {{Form2Control::Image1, L"Image1"},
                                                 {Form2Control::Label1, L"Label1"},
                                                 {Form2Control::Command1, L"Command1"},
                                                 {Form2Control::lblVersion, L"lblVersion"},
                                                 {Form2Control::lblDisclaimer, L"lblDisclaimer"},
                                                 {Form2Control::Label2, L"Label2"}}),
                   false);
    SendMessageW(about, WM_CLOSE, 0, 0);

    // 連番化 over no files (bmp chosen); an unready drive (r:); a folder gone
    // since it was opened, when gif is chosen.
    const HWND combo1 = GetWindow(form1_.Control(Form1Control::Combo1), GW_CHILD);
    const HWND dir1 = form1_.Control(Form1Control::Dir1);
    windowUnderBoxes = form1;
    boxesShown.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, ReadAndCloseMessageBox);
    for (int entry = 0; entry <= 2; ++entry) PressKey(form1, combo1, VK_DOWN);
    SendMessageW(form1_.Control(Form1Control::Command1), BM_CLICK, 0, 0);
    PressKey(form1, form1_.Control(Form1Control::Drive1), VK_DOWN);
    SendMessageW(dir1, LB_SETCURSEL, 2, 0);
    PressKey(form1, dir1, VK_RETURN);
    std::filesystem::remove(folder_ / L"2001");
    PressKey(form1, combo1, VK_UP);
    KillTimer(nullptr, timer);
    seen += boxesShown;

    const WindowDc screen(nullptr);
    const std::filesystem::path written =
        tools::OwnFolder() / NUMORA_SCREENS_FOLDER /
        ("at-" + std::to_string(GetDeviceCaps(screen.Get(), LOGPIXELSX)) + "-dpi.txt");
    if (GetEnvironmentVariableW(L"NUMORA_WRITE_SCREENS", nullptr, 0) > 0) {
        std::ofstream(written, std::ios::binary) << seen;
        return;
    }
    std::ifstream file(written, std::ios::binary);
    std::stringstream expected;
    expected << file.rdbuf();
    if (expected.str() != seen)
        ADD_FAILURE() << written.string() << " is not what the screen shows (- written, + seen):\n"
                      << LineDifference(expected.str(), seen);
}

// The same at 144 DPI, in a child process, since a process reads the system's
// DPI once, when it starts.
TEST(ScreensAt144DpiTest, WhatTheUserSeesIsAsWritten) {
    struct SystemDpi {  // for the processes started while it is set
        explicit SystemDpi(DWORD dpi) { Set(dpi); }
        ~SystemDpi() { Set(96); }
        static void Set(DWORD dpi) {
            RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD,
                            &dpi, sizeof(dpi));
        }
    } dpi144(144);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine =
        L"\"" + std::wstring(self) + L"\" --gtest_filter=ScreensTest.WhatTheUserSeesIsAsWritten";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                               nullptr, &startup, &child));
    const UniqueKernelHandle process(child.hProcess), thread(child.hThread);
    ASSERT_EQ(WaitForSingleObject(process.get(), 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u) << "the child's output is above";
}

}  // namespace
}  // namespace numora
