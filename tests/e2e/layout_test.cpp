// The main window's frame, size, control placement and keyboard order.
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "driver/driver_error.h"
#include "driver/poll.h"
#include "driver/text_measure.h"
#include "driver/user_input.h"
#include "driver/window_query.h"
#include "numora_test.h"
#include "shell/resource_ids.h"

namespace numora::e2e {
namespace {

// Where each control sits in the layout, in twips from the client origin.
struct Placement {
    const char* name;
    int id;
    int left;
    int top;
    int width;
    int height;  // 0: the window system decides (drop-down boxes, lists in whole rows)
};

const Placement kPlacements[] = {
    {"Drive1", IDC_DRIVE1, 10, 0, 2775, 0},          {"Dir1", IDC_DIR1, 10, 330, 2775, 0},
    {"Text1", IDC_TEXT1, 3610, 0, 1935, 300},        {"Combo1", IDC_COMBO1, 3610, 350, 855, 0},
    {"Command2", IDC_COMMAND2, 4500, 350, 320, 300}, {"Combo2", IDC_COMBO2, 4840, 350, 700, 0},
    {"Command1", IDC_COMMAND1, 2830, 350, 750, 300}, {"File1", IDC_FILE1, 2800, 675, 2775, 0},
    {"Label1", IDC_LABEL1, 2940, 50, 615, 200},
};

class LayoutTest : public NumoraTest {
  protected:
    void SetUp() override {
        folder_.AddFile(L"a.jpg");
        StartNumora();
    }

    // The control whose keyboard focus the program's thread holds now.
    int FocusedControlId() const {
        for (HWND window = FocusedWindowOf(App().UiThreadId()); window != nullptr;
             window = GetParent(window)) {
            if (GetParent(window) == App().Form1()) {
                return GetDlgCtrlID(window);
            }
        }
        return 0;
    }

    ::testing::AssertionResult FocusMovesTo(int id) const {
        int last = 0;
        if (PollUntil([&] { return (last = FocusedControlId()) == id; })) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "the focus is on control " << last << ", not on " << id;
    }
};

TEST_F(LayoutTest, OuterWidthIs5670TwipsAndClientHeightAsLaidOut) {
    EXPECT_NEAR(WidthOf(WindowRectOf(App().Form1())), TwipsToPixels(5670), 1);
    EXPECT_NEAR(HeightOf(ClientRectOnScreen(App().Form1())), TwipsToPixels(7785), 1);
}

TEST_F(LayoutTest, ClientOriginIsAt150By435TwipsUnlessTheCaptionWouldLeaveTheScreen) {
    const RECT frame = WindowRectOf(App().Form1());
    const RECT client = ClientRectOnScreen(App().Form1());
    EXPECT_NEAR(client.left, TwipsToPixels(150), 1);
    // Title bar and menu bar are taller than 435 twips: the window then sits at the
    // screen's top edge, so that its caption can still be grabbed.
    const int aboveClient = client.top - frame.top;
    EXPECT_NEAR(client.top, std::max(TwipsToPixels(435), aboveClient), 1);
    EXPECT_GE(frame.top, 0);
}

TEST_F(LayoutTest, FrameIsFixedWithCloseBoxOnlyAndNoTaskbarEntry) {
    HWND form1 = App().Form1();
    const LONG style = StyleOf(form1);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "resizable frame";
    EXPECT_EQ(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(ExStyleOf(form1) & WS_EX_APPWINDOW, 0);
    // An owned window gets no taskbar button; its owner must stay out of sight.
    HWND owner = GetWindow(form1, GW_OWNER);
    ASSERT_NE(owner, nullptr) << "an unowned window gets a taskbar entry";
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_NE(GetMenu(form1), nullptr) << "no menu bar";
}

TEST_F(LayoutTest, ControlsSitWhereTheLayoutPutsThemInsideTheClientArea) {
    const RECT client = ClientRectOnScreen(App().Form1());
    for (const auto& placement : kPlacements) {
        SCOPED_TRACE(placement.name);
        HWND control = Control(placement.id);
        EXPECT_TRUE(IsWindowVisible(control));
        const RECT rect = WindowRectOf(control);
        EXPECT_NEAR(rect.left - client.left, TwipsToPixels(placement.left), 1);
        EXPECT_NEAR(rect.top - client.top, TwipsToPixels(placement.top), 1);
        EXPECT_NEAR(WidthOf(rect), TwipsToPixels(placement.width), 1);
        if (placement.height != 0) {
            EXPECT_NEAR(HeightOf(rect), TwipsToPixels(placement.height), 1);
        }
        EXPECT_GE(rect.left, client.left);
        EXPECT_GE(rect.top, client.top);
        EXPECT_LE(rect.right, client.right) << "cut by the right edge";
        EXPECT_LE(rect.bottom, client.bottom) << "cut by the bottom edge";
    }
}

TEST_F(LayoutTest, CaptionsFitTheirControls) {
    // A push button draws a raised edge on each side of its caption.
    const int buttonEdges = 4 * GetSystemMetrics(SM_CXEDGE);
    struct Row {
        const char* name;
        int id;
        int edges;
    };
    const Row rows[] = {{"Label1", IDC_LABEL1, 0},
                        {"Command1", IDC_COMMAND1, buttonEdges},
                        {"Command2", IDC_COMMAND2, buttonEdges}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HWND control = Control(row.id);
        RECT client{};
        GetClientRect(control, &client);
        const std::wstring caption = TextOf(control);
        EXPECT_LE(TextWidthInUserInterfaceFont(caption), WidthOf(client) - row.edges)
            << Describe(caption) << " is cut";
    }
}

TEST_F(LayoutTest, CounterBoxLiesWhollyOutsideTheVisibleClientArea) {
    const RECT client = ClientRectOnScreen(App().Form1());
    const RECT text2 = WindowRectOf(Control(IDC_TEXT2));
    RECT overlap{};
    EXPECT_FALSE(IntersectRect(&overlap, &client, &text2))
        << "Text2 at x " << text2.left - client.left << " in a client area " << WidthOf(client)
        << " wide";
}

TEST_F(LayoutTest, ControlsAreOfTheirKinds) {
    struct Kind {
        const char* name;
        int id;
        const wchar_t* className;
        LONG typeMask;
        LONG type;
    };
    const Kind kinds[] = {
        {"Drive1", IDC_DRIVE1, L"ComboBox", 0x3, CBS_DROPDOWNLIST},
        {"Combo1", IDC_COMBO1, L"ComboBox", 0x3, CBS_DROPDOWN},
        {"Combo2", IDC_COMBO2, L"ComboBox", 0x3, CBS_DROPDOWN},
        {"Dir1", IDC_DIR1, L"ListBox", LBS_HASSTRINGS, LBS_HASSTRINGS},
        {"File1", IDC_FILE1, L"ListBox", LBS_HASSTRINGS, LBS_HASSTRINGS},
        {"Text1", IDC_TEXT1, L"Edit", ES_MULTILINE, 0},
        {"Text2", IDC_TEXT2, L"Edit", ES_MULTILINE, 0},
        {"Command1", IDC_COMMAND1, L"Button", BS_TYPEMASK, BS_PUSHBUTTON},
        {"Command2", IDC_COMMAND2, L"Button", BS_TYPEMASK, BS_PUSHBUTTON},
        {"Label1", IDC_LABEL1, L"Static", 0, 0},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        HWND control = Control(kind.id);
        EXPECT_EQ(Narrow(ClassNameOf(control)), Narrow(kind.className));
        EXPECT_EQ(StyleOf(control) & kind.typeMask, kind.type);
    }
    // The choice lists keep the order in which their entries were added.
    EXPECT_EQ(StyleOf(Control(IDC_COMBO1)) & CBS_SORT, 0);
    EXPECT_EQ(StyleOf(Control(IDC_COMBO2)) & CBS_SORT, 0);
}

TEST_F(LayoutTest, TabVisitsTheControlsInLayoutOrderAndShiftTabReturns) {
    const int order[] = {IDC_DRIVE1,   IDC_DIR1,   IDC_TEXT1,   IDC_COMBO1,
                         IDC_COMMAND2, IDC_COMBO2, IDC_COMMAND1};
    BringToFront(App().Form1());
    ASSERT_TRUE(FocusMovesTo(IDC_DRIVE1)) << "the first showing puts the focus on Drive1";
    for (std::size_t i = 1; i < std::size(order); ++i) {
        SCOPED_TRACE(::testing::Message() << "Tab number " << i);
        PressKey(VK_TAB);
        ASSERT_TRUE(FocusMovesTo(order[i]));
    }
    for (std::size_t i = std::size(order) - 1; i > 0; --i) {
        SCOPED_TRACE(::testing::Message() << "Shift+Tab back to position " << i - 1);
        PressKeyWith(VK_SHIFT, VK_TAB);
        ASSERT_TRUE(FocusMovesTo(order[i - 1]));
    }
}

}  // namespace
}  // namespace numora::e2e
