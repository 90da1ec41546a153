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
