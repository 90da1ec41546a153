// Starts the real program and checks what a user first sees, the single-instance
// rule, and that the program lives exactly as long as its windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_process.h"
#include "shell/form1_layout.h"
#include "shell/form2_layout.h"
#include "shell/twips.h"
#include "test_window.h"

namespace numora {
namespace {

using namespace std::chrono_literals;
using testing_support::ProgramProcess;
using testing_support::TempFolder;

constexpr auto kPatience = 30s;

std::wstring ProgramPath() {
    const std::string built = NUMORA_EXE_PATH;
    std::wstring path(built.begin(), built.end());
    if (!path.empty() && path.front() == L'/') {
        path = L"Z:" + path;  // Wine shows the Unix root as Z:
    }
    for (wchar_t& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    return path;
}

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

std::string Narrow(std::wstring_view text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += c < 128 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

// The standard control class that stands for each kind of the layout.
std::wstring ExpectedClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::DriveList:
        case ControlKind::ComboBox:
            return L"combobox";
        case ControlKind::FolderList:
        case ControlKind::FileList:
            return L"listbox";
        case ControlKind::TextBox:
            return L"edit";
        case ControlKind::PushButton:
            return L"button";
        case ControlKind::Label:
        case ControlKind::Image:
            return L"static";
    }
    return L"";
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class ProgramSmokeTest : public ::testing::Test {
  protected:
    ProgramSmokeTest() {
        for (const wchar_t* name : {L"b.jpg", L"a.jpeg", L"c.gif"}) {
            folder.AddFile(name);
        }
    }
    TempFolder folder;
};

TEST_F(ProgramSmokeTest, ShowsTheMainWindowAsLaidOut) {
    const ProgramProcess program(ProgramPath(), folder.Path());
    const std::vector<HWND> forms = program.WaitForWindows(NUMORA_FORM1_CLASS, 1, kPatience);
    ASSERT_EQ(forms.size(), 1u) << "the main window did not appear";
    const HWND form = forms.front();

    EXPECT_EQ(Text(form), L"Numora");
    const LONG style = GetWindowLongW(form, GWL_STYLE);
    EXPECT_NE(style & WS_CAPTION, 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    const HWND owner = GetWindow(form, GW_OWNER);
    ASSERT_NE(owner, nullptr) << "an owned window has no taskbar button";
    EXPECT_FALSE(IsWindowVisible(owner));

    RECT outer{};
    GetWindowRect(form, &outer);
    EXPECT_EQ(outer.right - outer.left, TwipsToPixels(5670, ScreenDpi()));
    EXPECT_GE(outer.top, 0) << "the caption stays on the screen";
    RECT client{};
    GetClientRect(form, &client);

    for (const ControlLayout& layout : kForm1Controls) {
        SCOPED_TRACE(Narrow(layout.name));
        const HWND control = GetDlgItem(form, layout.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), ExpectedClass(layout.kind).c_str()), 0);
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&rect), 2);
        if (layout.name == kForm1CounterBox) {
            EXPECT_GE(rect.left, client.right) << "the counter box must be out of sight";
        } else {
            EXPECT_LE(rect.right, client.right) << "cut by the window's edge";
            EXPECT_LE(rect.bottom, client.bottom);
        }
    }

    const HWND combo1 = GetDlgItem(form, IDC_COMBO1);
    const HWND combo2 = GetDlgItem(form, IDC_COMBO2);
    EXPECT_EQ(Text(combo1), L"jpg");
    EXPECT_EQ(SendMessageW(combo1, CB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(Text(combo2), L"\uff13\u6841");
    EXPECT_EQ(SendMessageW(combo2, CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(Text(GetDlgItem(form, IDC_COMMAND2)), L"A");
    EXPECT_EQ(Text(GetDlgItem(form, IDC_TEXT1)), L"");
    EXPECT_EQ(SendMessageW(GetDlgItem(form, IDC_FILE1), LB_GETCOUNT, 0, 0), 2)
        << "the start folder's *.jpg;*.jpeg files";
    EXPECT_GT(SendMessageW(GetDlgItem(form, IDC_DIR1), LB_GETCOUNT, 0, 0), 0);
    EXPECT_NE(GetMenu(form), nullptr) << "the menu bar";
}

TEST_F(ProgramSmokeTest, ASecondStartEndsAtOnceWithoutAWindow) {
    const ProgramProcess first(ProgramPath(), folder.Path());
    ASSERT_EQ(first.WaitForWindows(NUMORA_FORM1_CLASS, 1, kPatience).size(), 1u);
    const ProgramProcess second(ProgramPath(), folder.Path());
    DWORD exitCode = 1;
    ASSERT_TRUE(second.WaitForExit(kPatience, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(second.VisibleWindows(NUMORA_FORM1_CLASS).empty());
    EXPECT_EQ(first.VisibleWindows(NUMORA_FORM1_CLASS).size(), 1u) << "the first stays as it was";
}

TEST_F(ProgramSmokeTest, TheProgramEndsWithItsLastWindow) {
    const ProgramProcess program(ProgramPath(), folder.Path());
    const std::vector<HWND> forms = program.WaitForWindows(NUMORA_FORM1_CLASS, 1, kPatience);
    ASSERT_EQ(forms.size(), 1u);
    const HWND form = forms.front();
    const HWND owner = GetWindow(form, GW_OWNER);

    PostMessageW(form, WM_COMMAND, IDM_MVER, 0);
    PostMessageW(form, WM_COMMAND, IDM_MVER, 0);
    const std::vector<HWND> abouts = program.WaitForWindows(NUMORA_FORM2_CLASS, 2, kPatience);
    ASSERT_EQ(abouts.size(), 2u) << "each choice opens a new about window";
    for (const HWND about : abouts) {
        EXPECT_EQ(Text(about), std::wstring(kForm2Window.caption));
        EXPECT_EQ(GetWindow(about, GW_OWNER), owner) << "owned by the hidden window, not Form1";
    }

    // Escape does nothing: the button state posted after it proves it was handled.
    const HWND ok = GetDlgItem(abouts[0], IDC_FORM2_COMMAND1);
    ASSERT_NE(ok, nullptr);
    PostMessageW(ok, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(ok, BM_SETSTATE, TRUE, 0);
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while ((SendMessageW(ok, BM_GETSTATE, 0, 0) & BST_PUSHED) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        Sleep(20);
    }
    SendMessageW(ok, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(program.VisibleWindows(NUMORA_FORM2_CLASS).size(), 2u) << "Escape closed it";

    PostMessageW(form, WM_COMMAND, IDM_MEND, 0);
    EXPECT_TRUE(program.WaitForWindows(NUMORA_FORM1_CLASS, 0, kPatience).empty());
    DWORD exitCode = 1;
    EXPECT_FALSE(program.WaitForExit(0ms, exitCode)) << "about windows still open";

    PostMessageW(abouts[0], WM_COMMAND, MAKEWPARAM(IDC_FORM2_COMMAND1, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ok));
    EXPECT_EQ(program.WaitForWindows(NUMORA_FORM2_CLASS, 1, kPatience).size(), 1u);
    EXPECT_FALSE(program.WaitForExit(0ms, exitCode)) << "one about window still open";

    PostMessageW(abouts[1], WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(kPatience, exitCode)) << "the last window closed";
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace numora
