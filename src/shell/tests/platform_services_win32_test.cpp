#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/control_factory.h"
#include "shell/form1_layout.h"
#include "shell/instance_rule_win32.h"
#include "shell/letter_case_win32.h"
#include "shell/menu_builder.h"
#include "shell/mouse_pointer.h"
#include "shell/tooltips.h"
#include "shell/twips.h"
#include "test_window.h"

namespace numora {
namespace {

using testing_support::TestParent;

std::string Narrow(std::wstring_view text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += c < 128 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

TEST(LetterCaseWin32, UsesTheSystemsCaseRules) {
    struct Row {
        std::wstring text;
        std::wstring upper;
        std::wstring lower;
    };
    const Row rows[] = {
        {L"jpg", L"JPG", L"jpg"},
        {L"Jpg", L"JPG", L"jpg"},
        {L"MP3", L"MP3", L"mp3"},
        {L"", L"", L""},
        {L"\u2200", L"\u2200", L"\u2200"},  // no letter: unchanged
        {L"\uff4a\uff50\uff47", L"\uff2a\uff30\uff27", L"\uff4a\uff50\uff47"},  // full-width
        {L"\u3058\u3083\u30da\u30f3", L"\u3058\u3083\u30da\u30f3",
         L"\u3058\u3083\u30da\u30f3"},  // kana have no case
        {L"i.I", L"I.I", L"i.i"},       // no language-specific dotted or dotless i
    };
    const LetterCaseWin32 letterCase;
    for (const Row& row : rows) {
        SCOPED_TRACE(Narrow(row.text));
        EXPECT_EQ(letterCase.Upper(row.text), row.upper);
        EXPECT_EQ(letterCase.Lower(row.text), row.lower);
    }
}

TEST(InstanceRuleWin32, OnlyTheFirstHolderIsAlone) {
    const std::wstring name = L"Local\\Numora.ShellTest." + std::to_wstring(GetCurrentProcessId());
    {
        InstanceRuleWin32 first(name.c_str());
        EXPECT_FALSE(first.EarlierInstanceRunning());
        EXPECT_FALSE(first.EarlierInstanceRunning()) << "asking again changes nothing";
        InstanceRuleWin32 second(name.c_str());
        EXPECT_TRUE(second.EarlierInstanceRunning());
    }
    InstanceRuleWin32 afterwards(name.c_str());
    EXPECT_FALSE(afterwards.EarlierInstanceRunning()) << "the name is free once both are gone";
}

TEST(MousePointerShape, ShowsTheBusyPointerAtOnceAndHoldsItOverTheWindow) {
    MousePointerShape pointer;
    const HCURSOR busy = LoadCursorW(nullptr, IDC_APPSTARTING);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    EXPECT_FALSE(pointer.ApplyOnSetCursor()) << "by default the controls keep their own";

    pointer.Set(MousePointer::ArrowHourglass);
    EXPECT_EQ(GetCursor(), busy);
    SetCursor(arrow);
    EXPECT_TRUE(pointer.ApplyOnSetCursor());
    EXPECT_EQ(GetCursor(), busy);

    pointer.Set(MousePointer::Default);
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_FALSE(pointer.ApplyOnSetCursor());
}

int ToolCount(const ToolTips& tips) {
    return static_cast<int>(SendMessageW(tips.Handle(), TTM_GETTOOLCOUNT, 0, 0));
}

std::wstring ToolText(const ToolTips& tips, HWND owner, HWND tool) {
    wchar_t text[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = offsetof(TTTOOLINFOW, lParam) + sizeof(LPARAM);
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageW(tips.Handle(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

TEST(ToolTips, OneTipPerControlAndTheComboBoxesEditFieldToo) {
    TestParent parent;
    const HWND text1 = parent.Create(kForm1Controls[2]);
    const HWND combo1 = parent.Create(kForm1Controls[3]);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof(combo);
    ASSERT_NE(GetComboBoxInfo(combo1, &combo), FALSE);
    ToolTips tips(parent.Handle());

    tips.SetText(text1, L"\u57fa\u672c\u3068\u306a\u308b");
    EXPECT_EQ(ToolCount(tips), 1);
    tips.SetText(combo1, L"\u62e1\u5f35\u5b50\u3000\u76f4\u63a5");
    EXPECT_EQ(ToolCount(tips), 3);
    EXPECT_EQ(ToolText(tips, parent.Handle(), combo.hwndItem),
              L"\u62e1\u5f35\u5b50\u3000\u76f4\u63a5");

    tips.SetText(text1, L"second");
    EXPECT_EQ(ToolCount(tips), 3) << "a new text replaces the old tip";
    EXPECT_EQ(ToolText(tips, parent.Handle(), text1), L"second");
}

std::vector<std::wstring> MenuTexts(HMENU menu) {
    std::vector<std::wstring> texts;
    for (int index = 0; index < GetMenuItemCount(menu); ++index) {
        wchar_t text[128] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE;
        item.dwTypeData = text;
        item.cch = std::size(text);
        GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &item);
        std::wstring entry = (item.fType & MFT_SEPARATOR) != 0 ? L"-" : text;
        const bool separator = (item.fType & MFT_SEPARATOR) != 0;
        if (!separator && (item.fState & (MFS_GRAYED | MFS_CHECKED)) != 0) {
            entry += L" (state)";
        }
        texts.push_back(entry + L"#" + std::to_wstring(item.wID));
    }
    return texts;
}

TEST(MenuBuilder, BuildsTheMenuBarFromTheTable) {
    const UniqueMenu bar = BuildMenuBar(kForm1Menu);
    ASSERT_EQ(GetMenuItemCount(bar.get()), 2);
    const HMENU file = GetSubMenu(bar.get(), 0);
    const HMENU help = GetSubMenu(bar.get(), 1);
    ASSERT_NE(file, nullptr);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(MenuTexts(file),
              (std::vector<std::wstring>{L"\u7d42\u4e86#" + std::to_wstring(IDM_MEND)}));
    EXPECT_EQ(MenuTexts(help),
              (std::vector<std::wstring>{
                  L"\u30d0\u30fc\u30b8\u30e7\u30f3\u60c5\u5831#" + std::to_wstring(IDM_MVER),
                  L"-#0", L"Numora\u306b\u3064\u3044\u3066#" + std::to_wstring(IDM_MFIL)}));
}

TEST(ControlFactory, ListsAndCombosHaveTheirStyles) {
    struct Row {
        std::size_t index;
        const wchar_t* className;
        LONG required;
        LONG forbidden;
    };
    const Row rows[] = {
        {0, WC_COMBOBOXW, CBS_DROPDOWNLIST, CBS_SORT},
        {1, WC_LISTBOXW, LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED,
         LBS_SORT},
        {2, WC_EDITW, ES_AUTOHSCROLL, ES_MULTILINE},
        {3, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL, CBS_SORT | CBS_SIMPLE},
        {4, WC_BUTTONW, BS_PUSHBUTTON, BS_DEFPUSHBUTTON},
        {5, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL, CBS_SORT | CBS_SIMPLE},
        {6, WC_BUTTONW, BS_PUSHBUTTON, BS_DEFPUSHBUTTON},
        {7, WC_LISTBOXW, LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
         LBS_SORT | LBS_OWNERDRAWFIXED},
        {8, WC_EDITW, ES_AUTOHSCROLL, ES_MULTILINE},
        {9, WC_STATICW, SS_NOPREFIX, 0},
    };
    TestParent parent;
    for (const Row& row : rows) {
        const ControlLayout& layout = kForm1Controls.at(row.index);
        SCOPED_TRACE(Narrow(layout.name));
        const HWND control = parent.Create(layout);
        wchar_t className[64] = {};
        GetClassNameW(control, className, static_cast<int>(std::size(className)));
        EXPECT_EQ(_wcsicmp(className, row.className), 0);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        EXPECT_EQ(style & row.required, row.required);
        EXPECT_EQ(style & row.forbidden, 0);
    }
}

}  // namespace
}  // namespace numora
