// The about window: its texts and frame, and how each one closes.
#include <windows.h>

#include <algorithm>

#include "driver/driver_error.h"
#include "driver/poll.h"
#include "driver/screenshot.h"
#include "driver/text_measure.h"
#include "driver/title_bar.h"
#include "driver/user_input.h"
#include "driver/window_query.h"
#include "numora_test.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

class AboutWindowTest : public NumoraTest {
  protected:
    void SetUp() override {
        folder_.AddFile(L"a.jpg");
        StartNumora();
    }

    // Chooses "バージョン情報" and returns the about window that it opened.
    HWND OpenAboutWindow() const {
        const auto before = App().AboutWindows();
        App().ChooseMenuCommand(IDM_MVER);
        HWND opened = nullptr;
        const bool shown = PollUntil([&] {
            for (HWND window : App().AboutWindows()) {
                if (IsWindowVisible(window) &&
                    std::find(before.begin(), before.end(), window) == before.end()) {
                    opened = window;
                    return true;
                }
            }
            return false;
        });
        if (!shown) {
            throw DriverError("no new about window appeared");
        }
        return opened;
    }

    // A point of the main window's client area that no other window covers.
    static POINT UncoveredPointOf(HWND form1) {
        const RECT client = ClientRectOnScreen(form1);
        for (int y = client.bottom - 5; y > client.top; y -= 20) {
            for (int x = client.left + 5; x < client.right; x += 20) {
                const POINT point{x, y};
                if (GetAncestor(WindowFromPoint(point), GA_ROOT) == form1) {
                    return point;
                }
            }
        }
        throw DriverError("the main window is wholly covered");
    }

    static HWND OkButtonOf(HWND about) {
        HWND ok = GetDlgItem(about, IDC_FORM2_COMMAND1);
        if (ok == nullptr) {
            throw DriverError("the about window has no OK button");
        }
        return ok;
    }

    ::testing::AssertionResult Closes(HWND window) const {
        if (PollUntil([&] { return !IsWindow(window); })) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "the window stayed open";
    }
};

TEST_F(AboutWindowTest, ShowsNameVersionAndButtonWithFocusOnOk) {
    HWND about = OpenAboutWindow();
    struct Row {
        const char* name;
        HWND window;
        std::wstring text;
    };
    const Row rows[] = {
        {"Form2", about, L"Numora   バージョン情報"},
        {"Label1", GetDlgItem(about, IDC_FORM2_LABEL1), L"製品名       Numora"},
        {"lblVersion", GetDlgItem(about, IDC_FORM2_LBLVERSION), L"ﾊﾞｰｼﾞｮﾝ      1.00 20010503"},
        {"Command1", GetDlgItem(about, IDC_FORM2_COMMAND1), L"OK"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(row.window, nullptr);
        EXPECT_EQ(Describe(TextOf(row.window)), Describe(row.text));
    }
    for (const int id : {IDC_FORM2_LBLDISCLAIMER, IDC_FORM2_LABEL2}) {
        SCOPED_TRACE(::testing::Message() << "label " << id);
        HWND label = GetDlgItem(about, id);
        ASSERT_NE(label, nullptr);
        const std::wstring text = TextOf(label);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find(L'\n'), std::wstring::npos) << "one line only";
    }
    ASSERT_NE(GetDlgItem(about, IDC_FORM2_IMAGE1), nullptr);
    EXPECT_TRUE(PollUntil([&] {
        return FocusedWindowOf(GetWindowThreadProcessId(about, nullptr)) == OkButtonOf(about);
    })) << "the focus is not on OK";
    const RECT client = ClientRectOnScreen(about);
    EXPECT_NEAR(WidthOf(client), TwipsToPixels(4680), 1);
    EXPECT_NEAR(HeightOf(client), TwipsToPixels(3195), 1);
    SaveWindowPicture(about, L"form2-about.bmp");
}

TEST_F(AboutWindowTest, EveryTextFitsItsControlOnOneLine) {
    HWND about = OpenAboutWindow();
    for (const int id : {IDC_FORM2_LABEL1, IDC_FORM2_LBLVERSION, IDC_FORM2_LBLDISCLAIMER,
                         IDC_FORM2_LABEL2, IDC_FORM2_COMMAND1}) {
        SCOPED_TRACE(::testing::Message() << "control " << id);
        HWND control = GetDlgItem(about, id);
        ASSERT_NE(control, nullptr);
        const std::wstring text = TextOf(control);
        RECT client{};
        GetClientRect(control, &client);
        EXPECT_LE(TextWidthInUserInterfaceFont(text), WidthOf(client))
            << Describe(text) << " is cut";
    }
}

TEST_F(AboutWindowTest, FrameIsFixedWithCloseBoxOnlyNoMenuAndNoTaskbarEntry) {
    HWND about = OpenAboutWindow();
    const LONG style = StyleOf(about);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(ExStyleOf(about) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(GetMenu(about), nullptr);
    HWND owner = GetWindow(about, GW_OWNER);
    ASSERT_NE(owner, nullptr) << "an unowned window gets a taskbar entry";
    EXPECT_NE(owner, App().Form1()) << "owned by the main window, it would close with it";
    EXPECT_FALSE(IsWindowVisible(owner));
}

TEST_F(AboutWindowTest, EscapeAndClicksOnLabelsLeaveItOpen) {
    HWND about = OpenAboutWindow();
    BringToFront(about);
    PressKey(VK_ESCAPE);
    for (const int id : {IDC_FORM2_LABEL2, IDC_FORM2_LBLDISCLAIMER, IDC_FORM2_IMAGE1}) {
        ClickAt(CentreOf(WindowRectOf(GetDlgItem(about, id))));
    }
    // Input is served in order: once a click on the main window has brought it
    // forward, the key and the clicks before it have been served too.
    ClickAt(UncoveredPointOf(App().Form1()));
    ASSERT_TRUE(PollUntil([&] { return GetForegroundWindow() == App().Form1(); }));
    SyncWith(about);
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_EQ(App().AboutWindows().size(), 1u);
}

// Two about windows side by side, closed one after the other, in either order
// and either way: each close takes its own window only.
struct ClosingOrder {
    const char* name;
    bool newerFirst;
    bool firstByCloseBox;
};

class AboutWindowClosingTest : public AboutWindowTest,
                               public ::testing::WithParamInterface<ClosingOrder> {};

TEST_P(AboutWindowClosingTest, EachClosesOnlyItself) {
    const ClosingOrder order = GetParam();
    HWND older = OpenAboutWindow();
    HWND newer = OpenAboutWindow();
    ASSERT_NE(older, newer);
    EXPECT_TRUE(IsWindowEnabled(App().Form1())) << "an about window blocks the main window";

    HWND first = order.newerFirst ? newer : older;
    HWND second = order.newerFirst ? older : newer;
    if (order.firstByCloseBox) {
        ClickCloseBox(first);
    } else {
        PostClick(OkButtonOf(first));
    }
    ASSERT_TRUE(Closes(first));
    SyncWith(App().Form1());
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_TRUE(IsWindowVisible(App().Form1()));

    if (order.firstByCloseBox) {
        PostClick(OkButtonOf(second));
    } else {
        ClickCloseBox(second);
    }
    ASSERT_TRUE(Closes(second));
    SyncWith(App().Form1());
    EXPECT_TRUE(IsWindowVisible(App().Form1()));
    EXPECT_FALSE(App().Process().HasEnded());
}

INSTANTIATE_TEST_SUITE_P(
    Orders, AboutWindowClosingTest,
    ::testing::Values(ClosingOrder{"OlderByOkThenNewerByCloseBox", false, false},
                      ClosingOrder{"NewerByCloseBoxThenOlderByOk", true, true}),
    RowName{});

TEST_F(AboutWindowTest, ProgramLivesUntilTheLastWindowClosesAfterTheMainWindow) {
    HWND about = OpenAboutWindow();
    HWND form1 = App().Form1();
    App().ChooseMenuCommand(IDM_MEND);
    ASSERT_TRUE(Closes(form1)) << "終了 did not close the main window";
    SyncWith(about);
    EXPECT_FALSE(App().Process().HasEnded()) << "the program ended with an about window open";
    EXPECT_TRUE(IsWindowVisible(about));
    PostClick(OkButtonOf(about));
    EXPECT_TRUE(App().Process().WaitForEnd(kUiTimeout)) << "the program outlived its last window";
}

}  // namespace
}  // namespace numora::e2e
