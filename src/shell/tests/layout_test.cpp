#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/form1_layout.h"
#include "shell/form2_layout.h"

namespace numora {
namespace {

std::string Name(std::wstring_view name) {
    return std::string(name.begin(), name.end());
}

const ControlLayout& Find(std::span<const ControlLayout> table, std::wstring_view name) {
    const auto found =
        std::find_if(table.begin(), table.end(),
                     [name](const ControlLayout& layout) { return layout.name == name; });
    if (found == table.end()) {
        throw std::out_of_range("no control " + Name(name));
    }
    return *found;
}

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

// What both windows' tables must satisfy.
void ExpectWellFormed(std::span<const ControlLayout> table, const WindowLayout& window) {
    std::set<int> ids;
    std::set<std::wstring_view> names;
    int previousTab = kNotInTabOrder - 1;
    for (const ControlLayout& layout : table) {
        SCOPED_TRACE(Name(layout.name));
        EXPECT_TRUE(ids.insert(layout.id).second) << "id used twice";
        EXPECT_TRUE(names.insert(layout.name).second) << "name used twice";
        EXPECT_GT(layout.tabIndex, previousTab) << "table not in tab order";
        previousTab = layout.tabIndex;
        EXPECT_GE(layout.rect.left, 0);
        EXPECT_GE(layout.rect.top, 0);
        EXPECT_GT(layout.rect.width, 0);
        EXPECT_GT(layout.rect.height, 0);
        EXPECT_LE(layout.rect.Right(), window.clientWidthTwips);
        EXPECT_LE(layout.rect.Bottom(), window.clientHeightTwips);
        EXPECT_EQ(layout.caption.find(L'&'), std::wstring_view::npos) << "access key in caption";
        if (layout.tabStop) {
            EXPECT_TRUE(CanTakeFocus(layout.kind)) << "a label or image cannot be a tab stop";
        }
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            EXPECT_FALSE(Overlap(table[i].rect, table[j].rect))
                << Name(table[i].name) << " overlaps " << Name(table[j].name);
        }
    }
}

TEST(Form1Layout, IsWellFormed) {
    ExpectWellFormed(kForm1Controls, kForm1Window);
}

TEST(Form1Layout, TabKeyVisitsTheControlsInTheirOrder) {
    std::vector<std::wstring_view> visited;
    for (const ControlLayout& layout : kForm1Controls) {
        if (layout.tabStop) {
            visited.push_back(layout.name);
        }
    }
    const std::vector<std::wstring_view> expected{L"Drive1",   L"Dir1",   L"Text1",    L"Combo1",
                                                  L"Command2", L"Combo2", L"Command1", L"File1"};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(kForm1Controls.front().name, L"Drive1") << "the first focus goes to the drive list";
}

TEST(Form1Layout, EveryVisibleControlFitsTheNarrowedWindow) {
    for (const ControlLayout& layout : kForm1Controls) {
        SCOPED_TRACE(Name(layout.name));
        if (layout.name == kForm1CounterBox) {
            EXPECT_GT(layout.rect.left, kForm1VisibleRightTwips)
                << "the counter box must be out of sight";
            EXPECT_FALSE(layout.tabStop) << "the focus must never go out of sight";
        } else {
            EXPECT_LE(layout.rect.Right(), kForm1VisibleRightTwips);
        }
    }
}

TEST(Form1Layout, ControlsHaveTheirKindsAndCaptions) {
    struct Row {
        std::wstring_view name;
        ControlKind kind;
        std::wstring_view caption;
        int id;
    };
    const Row rows[] = {
        {L"Drive1", ControlKind::DriveList, L"", IDC_DRIVE1},
        {L"Dir1", ControlKind::FolderList, L"", IDC_DIR1},
        {L"Text1", ControlKind::TextBox, L"", IDC_TEXT1},
        {L"Combo1", ControlKind::ComboBox, L"", IDC_COMBO1},
        {L"Command2", ControlKind::PushButton, L"A", IDC_COMMAND2},
        {L"Combo2", ControlKind::ComboBox, L"", IDC_COMBO2},
        {L"Command1", ControlKind::PushButton, L"\u9023\u756a\u5316", IDC_COMMAND1},
        {L"File1", ControlKind::FileList, L"", IDC_FILE1},
        {L"Text2", ControlKind::TextBox, L"", IDC_TEXT2},
        {L"Label1", ControlKind::Label, L"\u57fa\u672c\u540d", IDC_LABEL1},
    };
    ASSERT_EQ(std::size(rows), kForm1Controls.size());
    for (const Row& row : rows) {
        SCOPED_TRACE(Name(row.name));
        const ControlLayout& layout = Find(kForm1Controls, row.name);
        EXPECT_EQ(layout.kind, row.kind);
        EXPECT_EQ(layout.caption, row.caption);
        EXPECT_EQ(layout.id, row.id);
    }
}

TEST(Form1Layout, RowsLineUpAsDrawn) {
    // The second row: run button, extension box, case button, digit box, left to right.
    const std::vector<std::wstring_view> secondRow{L"Command1", L"Combo1", L"Command2", L"Combo2"};
    for (std::size_t i = 0; i < secondRow.size(); ++i) {
        const ControlLayout& layout = Find(kForm1Controls, secondRow[i]);
        SCOPED_TRACE(Name(layout.name));
        EXPECT_EQ(layout.rect.top, 350);
        EXPECT_EQ(layout.rect.height, 300);
        if (i > 0) {
            EXPECT_GT(layout.rect.left, Find(kForm1Controls, secondRow[i - 1]).rect.Right());
        }
    }
    const ControlLayout& files = Find(kForm1Controls, L"File1");
    EXPECT_EQ(files.rect.Bottom(), kForm1Window.clientHeightTwips)
        << "the file list reaches the bottom";
    EXPECT_EQ(files.rect.Right(), kForm1VisibleRightTwips);
    const ControlLayout& folders = Find(kForm1Controls, L"Dir1");
    EXPECT_LT(folders.rect.Right(), files.rect.left) << "left and right columns apart";
}

TEST(Form1Menu, SubmenusHoldTheirItemsInOrder) {
    struct Row {
        std::wstring_view parent;
        std::vector<std::wstring_view> captions;
    };
    const Row rows[] = {
        {L"", {L"\u30d5\u30a1\u30a4\u30eb", L"\u30d8\u30eb\u30d7"}},
        {L"mfile", {L"\u7d42\u4e86"}},
        {L"mhelp",
         {L"\u30d0\u30fc\u30b8\u30e7\u30f3\u60c5\u5831", L"-", L"Numora\u306b\u3064\u3044\u3066"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Name(row.parent));
        std::vector<std::wstring_view> captions;
        for (const MenuItemLayout& item : kForm1Menu) {
            if (item.parent == row.parent) {
                captions.push_back(item.caption);
            }
        }
        EXPECT_EQ(captions, row.captions);
    }
}

TEST(Form1Menu, ItemsCarryTheirCommandIdsAndNoKeys) {
    std::set<int> commandIds;
    for (const MenuItemLayout& item : kForm1Menu) {
        SCOPED_TRACE(Name(item.name));
        EXPECT_EQ(item.caption.find(L'&'), std::wstring_view::npos) << "access key";
        EXPECT_EQ(item.caption.find(L'\t'), std::wstring_view::npos) << "shortcut text";
        const bool isCommand = !item.parent.empty() && item.caption != kMenuSeparatorCaption;
        if (isCommand) {
            EXPECT_TRUE(commandIds.insert(item.id).second);
        } else {
            EXPECT_EQ(item.id, 0) << "submenus and separators send no command";
        }
        if (!item.parent.empty()) {
            const auto parent =
                std::find_if(kForm1Menu.begin(), kForm1Menu.end(),
                             [&](const MenuItemLayout& p) { return p.name == item.parent; });
            ASSERT_NE(parent, kForm1Menu.end());
            EXPECT_TRUE(parent->parent.empty()) << "one level of submenus";
        }
    }
    EXPECT_EQ(commandIds, (std::set<int>{IDM_MEND, IDM_MVER, IDM_MFIL}));
}

TEST(Form2Layout, IsWellFormed) {
    ExpectWellFormed(kForm2Controls, kForm2Window);
}

TEST(Form2Layout, ControlsMatchTheAboutWindow) {
    struct Row {
        std::wstring_view name;
        ControlKind kind;
        TwipsRect rect;
        int tabIndex;
    };
    const Row rows[] = {
        {L"Image1", ControlKind::Image, {120, 240, 510, 510}, kNotInTabOrder},
        {L"Label1", ControlKind::Label, {960, 360, 1935, 225}, 0},
        {L"Command1", ControlKind::PushButton, {1680, 2400, 1215, 375}, 1},
        {L"lblVersion", ControlKind::Label, {960, 840, 2445, 225}, 2},
        {L"lblDisclaimer", ControlKind::Label, {960, 1320, 1710, 225}, 3},
        {L"Label2", ControlKind::Label, {360, 1800, 3975, 225}, 4},
    };
    ASSERT_EQ(std::size(rows), kForm2Controls.size());
    for (const Row& row : rows) {
        SCOPED_TRACE(Name(row.name));
        const ControlLayout& layout = Find(kForm2Controls, row.name);
        EXPECT_EQ(layout.kind, row.kind);
        EXPECT_EQ(layout.rect.left, row.rect.left);
        EXPECT_EQ(layout.rect.top, row.rect.top);
        EXPECT_EQ(layout.rect.width, row.rect.width);
        EXPECT_EQ(layout.rect.height, row.rect.height);
        EXPECT_EQ(layout.tabIndex, row.tabIndex);
        EXPECT_EQ(layout.tabStop, row.kind == ControlKind::PushButton) << "only OK takes the focus";
    }
}

TEST(Form2Layout, TextsAreTheProgramsOwn) {
    EXPECT_EQ(kForm2Window.caption, L"Numora   \u30d0\u30fc\u30b8\u30e7\u30f3\u60c5\u5831");
    EXPECT_EQ(Find(kForm2Controls, L"Label1").caption, L"\u88fd\u54c1\u540d       Numora");
    EXPECT_EQ(Find(kForm2Controls, L"lblVersion").caption,
              L"\uff8a\uff9e\uff70\uff7c\uff9e\uff6e\uff9d      1.00 20010503");
    EXPECT_EQ(Find(kForm2Controls, L"Command1").caption, L"OK");
    for (const std::wstring_view name : {L"lblDisclaimer", L"Label2"}) {
        SCOPED_TRACE(Name(name));
        const std::wstring_view text = Find(kForm2Controls, name).caption;
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find(L'\n'), std::wstring_view::npos) << "one line";
        std::wstring lower(text);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; });
        EXPECT_NE(lower.find(L"numora"), std::wstring::npos) << "names the program only";
    }
    EXPECT_EQ(Find(kForm2Controls, kForm2BlackLabel).name, L"lblDisclaimer");
}

}  // namespace
}  // namespace numora
