// The main window made in this process as the program makes it, for what only
// a real window shows: its menu, a change of DPI, the focus coming back.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "shell/application.h"
#include "shell/form1_window.h"

namespace numora {
namespace {

class WindowsTest : public ::testing::Test {
  protected:
    static Application& App() {
        // GoogleTest sets an error mode of its own: cleared, so that the program's shows.
        static const UINT testingErrorMode = SetErrorMode(0);
        static Application application;  // once a process: it registers the window classes
        static_cast<void>(testingErrorMode);
        return application;
    }
    WindowsTest() {
        form1_.Create(App().Handle());
        form1_.Show();
    }
    HWND Control(Form1Control control) const {
        return GetDlgItem(form1_.Handle(), static_cast<int>(control));
    }
    RECT PlaceOf(Form1Control control) const {
        RECT rect{};
        GetWindowRect(Control(control), &rect);
        MapWindowPoints(nullptr, form1_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    Form1 form1_{App(), App()};
};

TEST_F(WindowsTest, TheSystemLeavesAnUnreadyDriveToTheProgram) {
    EXPECT_NE(GetErrorMode() & SEM_FAILCRITICALERRORS, 0u) << "the system would ask for a disk";
}

// The menu the window has, each item found by its caption and chosen as the
// menu chooses it.
TEST_F(WindowsTest, EachMenuItemDoesWhatItsCaptionSays) {
    const HMENU bar = GetMenu(form1_.Handle());
    std::vector<std::wstring> shown;
    std::map<std::wstring, UINT> ids;
    const auto text = [](HMENU menu, int position) {
        wchar_t caption[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), caption, 64, MF_BYPOSITION);
        return std::wstring(caption);
    };
    for (int top = 0; top < GetMenuItemCount(bar); ++top) {
        shown.push_back(text(bar, top));
        const HMENU menu = GetSubMenu(bar, top);
        for (int item = 0; item < GetMenuItemCount(menu); ++item) {
            const UINT id = GetMenuItemID(menu, item);
            shown.push_back(L"  " + (id == 0 ? L"-" : text(menu, item)));
            ids[text(menu, item)] = id;
        }
    }
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"ファイル", L"  終了", L"ヘルプ",
                                                L"  バージョン情報", L"  -", L"  Numoraについて"}));
    const auto choose = [&](const wchar_t* caption) {
        SendMessageW(form1_.Handle(), WM_COMMAND, MAKEWPARAM(ids.at(caption), 0), 0);
    };
    choose(L"Numoraについて");
    EXPECT_EQ(FindWindowW(NUMORA_FORM2_CLASS, nullptr), nullptr);
    choose(L"バージョン情報");
    const HWND about = FindWindowW(NUMORA_FORM2_CLASS, nullptr);
    EXPECT_NE(about, nullptr);
    EXPECT_TRUE(IsWindow(form1_.Handle()));
    choose(L"終了");
    EXPECT_FALSE(IsWindow(form1_.Handle()));
    DestroyWindow(about);
}

// Moved to a screen of twice the DPI, the controls take their places and font
// at that DPI, and the folder list's rows grow with the font.
TEST_F(WindowsTest, ADpiChangeLaysTheWindowOutAgain) {
    const RECT before = PlaceOf(Form1Control::File1);
    const auto rowHeight = [&] {
        return SendMessageW(Control(Form1Control::Dir1), LB_GETITEMHEIGHT, 0, 0);
    };
    const LRESULT rowBefore = rowHeight();
    const auto fontOf = [&](Form1Control control) {
        return SendMessageW(Control(control), WM_GETFONT, 0, 0);
    };
    const LRESULT fontBefore = fontOf(Form1Control::Text1);
    RECT suggested{};
    GetWindowRect(form1_.Handle(), &suggested);
    suggested.right += suggested.right - suggested.left;
    suggested.bottom += suggested.bottom - suggested.top;
    SendMessageW(form1_.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    const RECT after = PlaceOf(Form1Control::File1);
    EXPECT_NEAR(after.left, 2 * before.left, 1);
    EXPECT_NEAR(after.top, 2 * before.top, 1);
    EXPECT_NEAR(after.right, 2 * before.right, 1);
    EXPECT_NEAR(after.bottom, 2 * before.bottom, 1);
    EXPECT_NEAR(rowHeight(), 2 * rowBefore, 3);
    for (const Form1Control control :
         {Form1Control::Drive1, Form1Control::Text1, Form1Control::Label1}) {
        EXPECT_NE(fontOf(control), fontBefore);
        EXPECT_EQ(fontOf(control), fontOf(Form1Control::File1));
    }
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

// Over a text box its own I-beam, but the busy pointer while a run is busy.
TEST_F(WindowsTest, TheBusyPointerCoversTheControlsOnlyWhileARunIsBusy) {
    const HWND text1 = Control(Form1Control::Text1);
    const auto pointer = [&] {
        SendMessageW(text1, WM_SETCURSOR, reinterpret_cast<WPARAM>(text1),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(pointer(), LoadCursorW(nullptr, IDC_IBEAM));
    form1_.SetMousePointer(MousePointer::Busy);
    EXPECT_EQ(pointer(), LoadCursorW(nullptr, IDC_APPSTARTING));
    form1_.SetMousePointer(MousePointer::Default);
    EXPECT_EQ(pointer(), LoadCursorW(nullptr, IDC_IBEAM));
}

}  // namespace
}  // namespace numora
