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

TEST_F(StartupTest, ShowsTheLayoutsTextsAndTheStartFolder) {
    const std::pair<int, std::wstring> texts[] = {{IDC_TEXT1, L""},     {IDC_COMMAND1, L"連番化"},
                                                  {IDC_COMMAND2, L"A"}, {IDC_LABEL1, L"基本名"},
                                                  {IDC_COMBO1, L"jpg"}, {IDC_COMBO2, L"３桁"}};
    EXPECT_EQ(TextOf(App().Form1()), L"Numora");
    for (const auto& [id, text] : texts) EXPECT_EQ(TextOf(Control(id)), text) << "control " << id;
    EXPECT_TRUE(
        ItemsBecome(Control(IDC_FILE1), {L"Beta.jpg", L"img1.jpeg", L"img2.jpg", L"img10.jpg"}));
    EXPECT_EQ(ItemsOf(Control(IDC_DIR1)).back(), L"album.jpg");
    BringToFront(App().Form1());
    SavePicture(ScreenRectOf(App().Form1()), L"form1-startup.bmp");
}

TEST_F(StartupTest, WindowAndControlsSitWhereTheLayoutPutsThemInTheMessageFont) {
    HWND form1 = App().Form1();
    const RECT frame = ScreenRectOf(form1), client = ClientScreenRectOf(form1);
    EXPECT_NEAR(frame.right - frame.left, Pixels(5670), 1);
    EXPECT_NEAR(client.bottom - client.top, Pixels(7785), 1);
    EXPECT_NEAR(client.left, Pixels(150), 1);
    // A caption and menu taller than 435 twips put the window at the top of the screen.
    EXPECT_NEAR(client.top, std::max<LONG>(Pixels(435), client.top - frame.top), 1);
    const LONG frameStyles =
        WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(GetWindowLongW(form1, GWL_STYLE) & frameStyles, WS_CAPTION | WS_SYSMENU);
    EXPECT_FALSE(IsWindowVisible(GetWindow(form1, GW_OWNER)))
        << "an owner, hidden: no taskbar button";

    const std::array<int, 5> places[] = {
        // id, left, top, width, height (0: list box rows)
        {IDC_DRIVE1, 10, 0, 2775, 300},    {IDC_TEXT1, 3610, 0, 1935, 300},
        {IDC_COMBO1, 3610, 350, 855, 300}, {IDC_COMMAND2, 4500, 350, 320, 300},
        {IDC_COMBO2, 4840, 350, 700, 300}, {IDC_COMMAND1, 2830, 350, 750, 300},
        {IDC_LABEL1, 2940, 50, 615, 200},  {IDC_DIR1, 10, 330, 2775, 0},
        {IDC_FILE1, 2800, 675, 2775, 0}};
    for (const auto& [id, left, top, width, height] : places) {
        RECT rect = ScreenRectOf(Control(id));
        OffsetRect(&rect, -client.left, -client.top);
        const RECT expected{Pixels(left), Pixels(top), Pixels(left + width),
                            height ? Pixels(top + height) : rect.bottom};
        EXPECT_TRUE(EqualRect(&rect, &expected))
            << "control " << id << " at " << rect.left << "," << rect.top << "," << rect.right
            << "," << rect.bottom;
        EXPECT_LE(rect.bottom, client.bottom - client.top) << "control " << id << " is cut";
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
    // with a pixel of room above and below; the others draw their own rows.
    EXPECT_EQ(Send(Control(IDC_DIR1), LB_GETITEMHEIGHT), line.tmHeight + 2);
    EXPECT_EQ(Send(Control(IDC_FILE1), LB_GETITEMHEIGHT), line.tmHeight);
    for (const int id : {IDC_COMBO1, IDC_COMBO2})
        EXPECT_EQ(Send(Control(id), CB_GETITEMHEIGHT), line.tmHeight) << "control " << id;
    // Dialog-coloured where no control lies, between the folder list and the label.
    BringToFront(form1);
    const POINT bare{client.left + Pixels(2860), client.top + Pixels(150)};
    EXPECT_TRUE(Becomes([&] { return ScreenPixel(bare); }, GetSysColor(COLOR_BTNFACE)));
}

TEST_F(StartupTest, TabVisitsTheControlsInLayoutOrder) {
    const int order[] = {IDC_DRIVE1,   IDC_DIR1,   IDC_TEXT1,   IDC_COMBO1,
                         IDC_COMMAND2, IDC_COMBO2, IDC_COMMAND1};
    BringToFront(App().Form1());
    const auto focusedId = [&] {
        HWND focus = App().Focus();
        while (focus != nullptr && GetParent(focus) != App().Form1()) focus = GetParent(focus);
        return GetDlgCtrlID(focus);
    };
    EXPECT_TRUE(Becomes(focusedId, IDC_DRIVE1));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        PressKey(VK_TAB);
        EXPECT_TRUE(Becomes(focusedId, order[i])) << "Tab " << i;
    }
}

TEST_F(StartupTest, RestingOnEachOfTheFiveControlsShowsItsTip) {
    const std::pair<int, std::wstring> tips[] = {
        {IDC_TEXT1, L"基本となるファイル名を入力してね"},
        {IDC_COMBO1, L"拡張子フィルタ\u3000直接入力も可能"},
        {IDC_COMBO2, L"使用桁数を設定します"},
        {IDC_COMMAND1, L"連番化を実行"},
        {IDC_COMMAND2, L"拡張子の 大文字、小文字を切り替えます"}};
    BringToFront(App().Form1());
    const auto shownTip = [&] {
        HWND tip = VisibleWindow(App().ProcessId(), L"tooltips_class32");
        return tip == nullptr ? L"" : TextOf(tip);
    };
    for (const auto& [id, tip] : tips) {
        MoveMouse({0, 0});
        ASSERT_TRUE(PollUntil([&] { return shownTip().empty(); }));
        const POINT centre = CentreOf(ScreenRectOf(Control(id)));
        MoveMouse({centre.x - 1, centre.y});
        MoveMouse(centre);
        EXPECT_TRUE(Becomes(shownTip, tip)) << "control " << id;
    }
}

TEST_F(StartupTest, ASecondStartEndsWithoutAWindowAndLeavesTheFirstAlone) {
    EXPECT_TRUE(EndsWithoutAWindow(folder_.FullName(L"album.jpg")));
    EXPECT_EQ(WindowsOf(App().ProcessId(), NUMORA_FORM1_CLASS).size(), 1u);
}

}  // namespace
}  // namespace numora::e2e
