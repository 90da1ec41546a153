#include "shell/combo_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numora {
namespace {

// One notification as the window system sends it, or the end of a user action.
enum class Step { SelEndOk, SelChangeDropped, SelChangeClosed, SelEndOkNoSelection, ActionOver };

struct Row {
    std::string name;
    DroppedListPolicy policy;
    std::vector<Step> steps;
    int choices;
};

int CountChoices(const Row& row) {
    ComboChoice choice(row.policy);
    int choices = 0;
    for (const Step step : row.steps) {
        switch (step) {
            case Step::SelEndOk:
                choices += choice.OnSelEndOk(true) ? 1 : 0;
                break;
            case Step::SelEndOkNoSelection:
                choices += choice.OnSelEndOk(false) ? 1 : 0;
                break;
            case Step::SelChangeDropped:
                choices += choice.OnSelChange(true, true) ? 1 : 0;
                break;
            case Step::SelChangeClosed:
                choices += choice.OnSelChange(false, true) ? 1 : 0;
                break;
            case Step::ActionOver:
                choice.OnActionHandled();
                break;
        }
    }
    return choices;
}

class ComboChoiceTest : public testing::TestWithParam<Row> {};

TEST_P(ComboChoiceTest, CountsOneChoicePerUserAction) {
    EXPECT_EQ(CountChoices(GetParam()), GetParam().choices);
}

constexpr auto kBrowse = DroppedListPolicy::ChooseWhileBrowsing;
constexpr auto kOnClose = DroppedListPolicy::ChooseOnClose;
using enum Step;

INSTANTIATE_TEST_SUITE_P(
    Notifications, ComboChoiceTest,
    testing::Values(
        // A click in the open list: "ok" first, then the change, one action.
        Row{"ClickInOpenList", kBrowse, {SelEndOk, SelChangeClosed, ActionOver}, 1},
        Row{"ClickInOpenListDriveList", kOnClose, {SelEndOk, SelChangeClosed, ActionOver}, 1},
        // An arrow key in the closed box, as systems that send only the change do.
        Row{"ArrowInClosedBoxChangeOnly", kBrowse, {SelChangeClosed, ActionOver}, 1},
        Row{"ArrowInClosedBoxChangeOnlyDrive", kOnClose, {SelChangeClosed, ActionOver}, 1},
        Row{"TwoArrowKeysInClosedBox",
            kBrowse,
            {SelEndOk, SelChangeClosed, ActionOver, SelEndOk, SelChangeClosed, ActionOver},
            2},
        // Arrow keys in the open list, then Enter.
        Row{"BrowseThenEnterExtension",
            kBrowse,
            {SelChangeDropped, ActionOver, SelChangeDropped, ActionOver, SelEndOk, ActionOver},
            3},
        Row{"BrowseThenEnterDrive",
            kOnClose,
            {SelChangeDropped, ActionOver, SelChangeDropped, ActionOver, SelEndOk, ActionOver},
            1},
        // Browsing then Escape: the drive list chooses nothing.
        Row{"BrowseThenCancelDrive", kOnClose, {SelChangeDropped, ActionOver, SelChangeDropped}, 0},
        Row{"BrowseThenCancelExtension", kBrowse, {SelChangeDropped, ActionOver}, 1},
        // Closing the list with nothing selected (typed text) is no choice.
        Row{"CloseWithoutSelection", kBrowse, {SelEndOkNoSelection, ActionOver}, 0},
        // Without the end of the action, a second notification is the same choice.
        Row{"RepeatedInOneAction", kBrowse, {SelEndOk, SelEndOk, SelChangeClosed}, 1}),
    [](const testing::TestParamInfo<Row>& row) { return row.param.name; });

TEST(ComboChoice, NoSelectionNeverChooses) {
    for (const auto policy : {kBrowse, kOnClose}) {
        ComboChoice choice(policy);
        EXPECT_FALSE(choice.OnSelChange(false, false));
        EXPECT_FALSE(choice.OnSelChange(true, false));
        EXPECT_FALSE(choice.OnSelEndOk(false));
        EXPECT_TRUE(choice.OnSelEndOk(true)) << "a later real choice still counts";
    }
}

}  // namespace
}  // namespace numora
