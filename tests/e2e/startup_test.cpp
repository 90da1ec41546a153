// What the user sees at the first showing of the main window, and the rule of
// one instance.
#include "numora_test.h"
#include "shell/form_handlers.h"

namespace numora::e2e {
namespace {

class StartupTest : public NumoraTest {
  protected:
    void SetUp() override {
        for (const auto* name : {L"img10.jpg", L"img2.jpg", L"img1.jpeg", L"Beta.jpg", L"pic.gif"})
            folder_.AddFile(name);
        folder_.AddFolder(L"album.jpg");
        Start();
    }
};

int Pixels(int twips) {  // at the screen's DPI
    const HDC screen = GetDC(nullptr);
    const int pixels = MulDiv(twips, GetDeviceCaps(screen, LOGPIXELSX), 1440);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The start folder listed; the window at its place, as narrow as the load makes
// it, every control inside it but the counter box, which is out of sight; a
// fixed frame with no minimize or maximize box, and no taskbar button.
TEST_F(StartupTest, ShowsTheStartFolderInANarrowFixedWindow) {
    EXPECT_TRUE(ItemsBecome(Control(IDC_FILE1_FILES),
                            {L"Beta.jpg", L"img1.jpeg", L"img2.jpg", L"img10.jpg"}));
    EXPECT_EQ(ItemsOf(Control(IDC_DIR1_FOLDERS)).back(), L"album.jpg");
    HWND form1 = App().Form1();
    RECT client{};
    GetClientRect(form1, &client);
    MapWindowPoints(form1, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT frame = ScreenRectOf(form1);
    EXPECT_EQ(frame.right - frame.left, Pixels(5670));
    EXPECT_EQ(client.left, Pixels(150));
    for (HWND control = GetWindow(form1, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const RECT rect = ScreenRectOf(control);
        RECT seen{};
        IntersectRect(&seen, &rect, &client);
        EXPECT_TRUE(GetDlgCtrlID(control) == IDC_TEXT2_COUNTER ? IsRectEmpty(&seen)
                                                               : EqualRect(&seen, &rect))
            << "control " << GetDlgCtrlID(control);
    }
    EXPECT_EQ(GetWindowLongW(form1, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0);
    EXPECT_FALSE(IsWindowVisible(GetWindow(form1, GW_OWNER)))
        << "an owner, hidden: no taskbar button";
}

// Tab from the drive list round the controls, past the counter box that lies
// out of sight. (Enter on a button: the case button's test.)
TEST_F(StartupTest, TabGoesRoundTheControlsPastTheHiddenCounter) {
    BringToFront(App().Form1());
    const auto focusedId = [&] {
        HWND focus = App().Focus();
        while (focus != nullptr && GetParent(focus) != App().Form1()) focus = GetParent(focus);
        return GetDlgCtrlID(focus);
    };
    EXPECT_TRUE(Becomes(focusedId, IDC_DRIVE1_DRIVES));
    for (const int id :
         {IDC_DIR1_FOLDERS, IDC_TEXT1_BASE_NAME, IDC_COMBO1_EXTENSION, IDC_COMMAND2_CASE,
          IDC_COMBO2_DIGITS, IDC_COMMAND1_RUN, IDC_FILE1_FILES, IDC_DRIVE1_DRIVES}) {
        SCOPED_TRACE("to control " + std::to_string(id));
        PressKey(VK_TAB);
        EXPECT_TRUE(Becomes(focusedId, id));
    }
}

TEST_F(StartupTest, RestingOnEachOfTheFiveControlsShowsItsTip) {
    BringToFront(App().Form1());
    const auto shownTip = [&] {
        HWND tip = VisibleWindow(App().ProcessId(), L"tooltips_class32");
        return tip == nullptr ? L"" : TextOf(tip);
    };
    for (const ToolTipText& tip : kForm1ToolTips) {
        SCOPED_TRACE("control " + std::to_string(static_cast<int>(tip.control)));
        MoveMouse({0, 0});
        WaitUntil([&] { return shownTip().empty(); }, "no tip was shown");
        const POINT centre = CentreOf(ScreenRectOf(Control(static_cast<int>(tip.control))));
        MoveMouse({centre.x - 1, centre.y});
        MoveMouse(centre);
        EXPECT_TRUE(Becomes(shownTip, std::wstring(tip.text)));
    }
}

TEST_F(StartupTest, ASecondStartEndsWithoutAWindowAndLeavesTheFirstAlone) {
    const ProgramProcess second(NumoraExe(), folder_.Path());
    EXPECT_TRUE(second.Ended(kTimeout));
    EXPECT_EQ(WindowsOf(App().ProcessId(), NUMORA_FORM1_CLASS).size(), 1u);
}

}  // namespace
}  // namespace numora::e2e
