// The menu commands and the about windows: how each one opens and closes, and
// that the program lives until its last window closes. (The menu bar's items
// and their commands are read in the shell's own tests; another process cannot
// read a menu under Wine.)
#include "numora_test.h"

namespace numora::e2e {
namespace {

class WindowsTest : public NumoraTest {
  protected:
    void SetUp() override { Start(); }

    HWND NewAboutWindow() {
        const std::size_t before = App().AboutWindows().size();
        App().Choose(IDM_MVER);
        EXPECT_TRUE(PollUntil([&] { return App().AboutWindows().size() == before + 1; }));
        return App().AboutWindows().front();  // the newest is on top
    }
};

TEST_F(WindowsTest, AnAboutWindowShowsNameAndVersionWithTheFocusOnOk) {
    HWND about = NewAboutWindow();
    EXPECT_EQ(TextOf(about), L"Numora   バージョン情報");
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_FORM2_LBLVERSION)), L"ﾊﾞｰｼﾞｮﾝ      1.00 20010503");
    const RECT client = ClientScreenRectOf(about);
    EXPECT_NEAR(client.right - client.left, Pixels(4680), 1);
    EXPECT_NEAR(client.bottom - client.top, Pixels(3195), 1);
    EXPECT_EQ(GetWindowLongW(about, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0);
    // Owned, so that it has no taskbar button, but not by the main window, which it outlives.
    EXPECT_NE(GetWindow(about, GW_OWNER), nullptr);
    EXPECT_NE(GetWindow(about, GW_OWNER), App().Form1());
    EXPECT_TRUE(PollUntil([&] { return App().Focus() == GetDlgItem(about, IDC_FORM2_COMMAND1); }));
    BringToFront(about);
    SavePicture(ScreenRectOf(about), L"form2-about.bmp");
    PressKey(VK_ESCAPE);
    SyncWith(about);
    EXPECT_TRUE(IsWindowVisible(about)) << "Escape closed it";
}

// "Numoraについて" does nothing, each "バージョン情報" opens a window of its own;
// each closes only itself, by the close box's command or by OK; "終了" closes
// the main window only, and the last window to close ends the program.
TEST_F(WindowsTest, EachWindowClosesOnlyItselfAndTheLastOneEndsTheProgram) {
    App().Choose(IDM_MFIL);
    HWND older = NewAboutWindow(), newer = NewAboutWindow();
    EXPECT_TRUE(VisibleWindow(App().ProcessId(), L"#32770") == nullptr);
    EXPECT_TRUE(IsWindowEnabled(App().Form1())) << "an about window blocks the main window";
    PostMessageW(newer, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(PollUntil([&] { return !IsWindow(newer); }));
    EXPECT_TRUE(IsWindowVisible(older));
    App().Choose(IDM_MEND);
    EXPECT_TRUE(PollUntil([&] { return !IsWindow(App().Form1()); }));
    EXPECT_FALSE(App().Ended(std::chrono::milliseconds(500))) << "it ended with a window open";
    PostClick(GetDlgItem(older, IDC_FORM2_COMMAND1));
    EXPECT_TRUE(App().Ended());
}

}  // namespace
}  // namespace numora::e2e
