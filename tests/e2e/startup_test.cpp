// What the user sees at the first showing of the main window, and the rule of
// one instance.
#include "numora_test.h"

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

// The start folder listed; every control where the layout puts it, with its
// caption, in the message font.
TEST_F(StartupTest, ShowsTheStartFolderAndTheLayoutInTheMessageFont) {
    EXPECT_TRUE(
        ItemsBecome(Control(IDC_FILE1), {L"Beta.jpg", L"img1.jpeg", L"img2.jpg", L"img10.jpg"}));
    EXPECT_EQ(ItemsOf(Control(IDC_DIR1)).back(), L"album.jpg");
    HWND form1 = App().Form1();
    EXPECT_EQ(TextOf(form1), kForm1Window.caption);
    const RECT frame = ScreenRectOf(form1), client = ClientScreenRectOf(form1);
    EXPECT_EQ(frame.right - frame.left, Pixels(5670));
    EXPECT_EQ(client.bottom - client.top, Pixels(435 + 7785) - Pixels(435));
    EXPECT_EQ(client.left, Pixels(150));
    // A caption and menu taller than 435 twips put the window at the top of the screen.
    EXPECT_EQ(frame.top, std::max<LONG>(0, Pixels(435) - (client.top - frame.top)));
    const LONG frameStyles =
        WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(GetWindowLongW(form1, GWL_STYLE) & frameStyles, WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(GetWindowLongW(form1, GWL_EXSTYLE) & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW), 0)
        << "a dialog or tool frame: no icon in the caption";
    EXPECT_FALSE(IsWindowVisible(GetWindow(form1, GW_OWNER)))
        << "an owner, hidden: no taskbar button";

    for (const ControlLayout& layout : kForm1Controls) {
        SCOPED_TRACE("control " + std::to_string(layout.id));
        RECT rect = ScreenRectOf(Control(layout.id));
        OffsetRect(&rect, -client.left, -client.top);
        const RECT expected{Pixels(layout.rect.left), Pixels(layout.rect.top),
                            Pixels(layout.rect.Right()), Pixels(layout.rect.Bottom())};
        EXPECT_TRUE(EqualRect(&rect, &expected))
            << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
        if (layout.id != IDC_TEXT2) {
            EXPECT_LE(rect.right, client.right - client.left) << "cut by the window's edge";
        }
        if (layout.kind != ControlKind::ComboBox && layout.kind != ControlKind::DriveList) {
            EXPECT_EQ(TextOf(Control(layout.id)), layout.caption);
        }
    }
    RECT overlap{}, text2 = ScreenRectOf(Control(IDC_TEXT2));
    EXPECT_FALSE(IntersectRect(&overlap, &client, &text2)) << "the counter box is in sight";

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    const UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.Get(), font.get());
    TEXTMETRICW line{};
    GetTextMetricsW(screen.Get(), &line);
    // The lists in the message font: the folder list's rows are a line of it
    // with a pixel of room above and below (at 96 DPI); the others draw their own rows.
    EXPECT_EQ(Send(Control(IDC_DIR1), LB_GETITEMHEIGHT), line.tmHeight + Pixels(30));
    EXPECT_EQ(Send(Control(IDC_FILE1), LB_GETITEMHEIGHT), line.tmHeight);
    // Dialog-coloured where no control lies, between the folder list and the label.
    BringToFront(form1);
    const POINT bare{client.left + Pixels(2860), client.top + Pixels(150)};
    EXPECT_TRUE(Becomes([&] { return ScreenPixel(bare); }, GetSysColor(COLOR_BTNFACE)));
    // The folder list draws its own rows, the current folder's in the highlight colour.
    const RECT current = ItemScreenRectOf(Control(IDC_DIR1), Send(Control(IDC_DIR1), LB_GETCURSEL));
    EXPECT_TRUE(Becomes(
        [&] {
            return ScreenPixel({current.right - 2, (current.top + current.bottom) / 2});
        },
        GetSysColor(COLOR_HIGHLIGHT)));
}

// Tab from the drive list round the layout's order, past the counter box that
// lies out of sight. (Enter on a button: the case button's test.)
TEST_F(StartupTest, TabGoesRoundTheControlsInLayoutOrderPastTheHiddenCounter) {
    BringToFront(App().Form1());
    const auto focusedId = [&] {
        HWND focus = App().Focus();
        while (focus != nullptr && GetParent(focus) != App().Form1()) focus = GetParent(focus);
        return GetDlgCtrlID(focus);
    };
    EXPECT_TRUE(Becomes(focusedId, IDC_DRIVE1));
    for (const int id : {IDC_DIR1, IDC_TEXT1, IDC_COMBO1, IDC_COMMAND2, IDC_COMBO2, IDC_COMMAND1,
                         IDC_FILE1, IDC_DRIVE1}) {
        SCOPED_TRACE("to control " + std::to_string(id));
        PressKey(VK_TAB);
        EXPECT_TRUE(Becomes(focusedId, id));
    }
}

// Each tip on its own control (the texts: the load's own test).
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

// A camera's name reads as it is: the underscore is drawn, not lost to the font.
TEST_F(NumoraTest, AnUnderscoreInAFileNameIsDrawn) {
    folder_.AddFile(L"x y.jpg");
    folder_.AddFile(L"x_y.jpg");
    Start();
    HWND file1 = Control(IDC_FILE1);
    ASSERT_TRUE(Becomes([&] { return ItemsOf(file1).size(); }, std::size_t{2}));
    BringToFront(App().Form1());
    const auto row = [&](const wchar_t* name) {
        const auto items = ItemsOf(file1);
        const auto index = std::find(items.begin(), items.end(), name) - items.begin();
        return CaptureScreen(ItemScreenRectOf(file1, static_cast<WPARAM>(index)));
    };
    const auto drawn = [](const std::vector<DWORD>& pixels) {  // some text, not only background
        return std::count(pixels.begin(), pixels.end(), pixels.front()) < std::ssize(pixels);
    };
    WaitUntil([&] { return drawn(row(L"x y.jpg")) && drawn(row(L"x_y.jpg")); },
              "both rows were drawn");
    EXPECT_TRUE(row(L"x y.jpg") != row(L"x_y.jpg")) << "the two rows are drawn alike";
}

TEST_F(StartupTest, ASecondStartEndsWithoutAWindowAndLeavesTheFirstAlone) {
    EXPECT_TRUE(EndsWithoutAWindow(folder_.FullName(L"album.jpg")));
    EXPECT_EQ(WindowsOf(App().ProcessId(), NUMORA_FORM1_CLASS).size(), 1u);
}

}  // namespace
}  // namespace numora::e2e
