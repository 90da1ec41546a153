// The menu commands and the about windows: how each one opens and closes, and
// that the program lives until its last window closes.
#include "numora_test.h"

namespace numora::e2e {
namespace {

class WindowsTest : public NumoraTest {
  protected:
    void SetUp() override { Start(); }

    HWND NewAboutWindow() {
        const std::size_t before = App().AboutWindows().size();
        App().Choose(IDM_MVER);
        WaitUntil([&] { return App().AboutWindows().size() == before + 1; },
                  "バージョン情報 opened an about window");
        return App().AboutWindows().front();  // the newest is on top
    }
};

// Escape leaves the window open, Enter presses OK.
TEST_F(WindowsTest, AnAboutWindowShowsItsLayoutWithTheFocusOnOk) {
    HWND about = NewAboutWindow();
    EXPECT_EQ(TextOf(about), kForm2Window.caption);
    for (const ControlLayout& layout : kForm2Controls) {
        SCOPED_TRACE("control " + std::to_string(layout.id));
        EXPECT_EQ(TextOf(GetDlgItem(about, layout.id)), layout.caption);
    }
    const RECT client = ClientScreenRectOf(about);
    EXPECT_NEAR(client.right - client.left, Pixels(kForm2Window.clientWidthTwips), 1);
    EXPECT_NEAR(client.bottom - client.top, Pixels(kForm2Window.clientHeightTwips), 1);
    EXPECT_EQ(GetWindowLongW(about, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0);
    // Owned, so that it has no taskbar button, but not by the main window, which it outlives.
    EXPECT_NE(GetWindow(about, GW_OWNER), nullptr);
    EXPECT_NE(GetWindow(about, GW_OWNER), App().Form1());
    WaitUntil([&] { return App().Focus() == GetDlgItem(about, IDC_FORM2_COMMAND1); },
              "OK had the focus");
    BringToFront(about);
    // The rights holder's line in black, on the window's own colour.
    const auto disclaimer = [&] {
        return CaptureScreen(ScreenRectOf(GetDlgItem(about, IDC_FORM2_LBLDISCLAIMER)));
    };
    WaitUntil([&] { return std::ranges::count(disclaimer(), 0u) > 0; }, "the line was drawn");
    EXPECT_EQ(std::ranges::count(disclaimer(), 0xFFFFFFu), 0) << "white behind its letters";
    PressKey(VK_ESCAPE);
    SyncWith(about);
    EXPECT_TRUE(IsWindowVisible(about)) << "Escape closed it";
    // Before any Tab, OK is no default button: Enter comes as IDOK.
    PressKey(VK_RETURN);
    WaitUntil([&] { return !IsWindow(about); }, "Enter on OK closed the about window");
}

// "Numoraについて" does nothing, each "バージョン情報" opens a window of its own;
// each closes only itself, by the close box's command or by OK, and Tab stays on
// its only button; "終了" closes the main window only, and the last window to
// close ends the program.
TEST_F(WindowsTest, EachWindowClosesOnlyItselfAndTheLastOneEndsTheProgram) {
    App().Choose(IDM_MFIL);
    HWND older = NewAboutWindow(), newer = NewAboutWindow();
    EXPECT_TRUE(VisibleWindow(App().ProcessId(), L"#32770") == nullptr);
    EXPECT_TRUE(IsWindowEnabled(App().Form1())) << "an about window blocks the main window";
    PostMessageW(newer, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitUntil([&] { return !IsWindow(newer); }, "the close box's command closed its window");
    // The program ends right after the message that closes its last window, so
    // one that still serves a message has not ended.
    SyncWith(older);
    EXPECT_TRUE(IsWindowVisible(older));
    HWND olderOk = GetDlgItem(older, IDC_FORM2_COMMAND1);
    BringToFront(older);
    WaitUntil([&] { return App().Focus() == olderOk; }, "OK had the focus back");
    PressKey(VK_TAB);
    SyncWith(older);
    EXPECT_EQ(App().Focus(), olderOk) << "Tab left the only button";
    App().Choose(IDM_MEND);
    WaitUntil([&] { return !IsWindow(App().Form1()); }, "終了 closed the main window");
    SyncWith(older);
    PostClick(olderOk);
    EXPECT_TRUE(App().Ended());
}

}  // namespace
}  // namespace numora::e2e
