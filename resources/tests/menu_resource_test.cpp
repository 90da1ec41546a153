// The main menu as the resource script defines it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "shell/resource_ids.h"

namespace numora {
namespace {

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct ItemRow {
    const wchar_t* caption;  // nullptr for a separator line
    UINT id;                 // 0 for a submenu
};

struct MenuRow {
    const wchar_t* caption;
    std::vector<ItemRow> items;
};

const std::vector<MenuRow> kMainMenu = {
    {L"ファイル", {{L"終了", IDM_MEND}}},
    {L"ヘルプ", {{L"バージョン情報", IDM_MVER}, {nullptr, 0}, {L"Numoraについて", IDM_MFIL}}},
};

struct Item {
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    HMENU submenu = nullptr;
    std::wstring caption;
};

Item ReadItem(HMENU menu, int position) {
    wchar_t caption[64] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = static_cast<UINT>(std::size(caption));
    Item item;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
        ADD_FAILURE() << "no item at " << position << ", error " << GetLastError();
        return item;
    }
    item.type = info.fType;
    item.state = info.fState;
    item.id = info.wID;
    item.submenu = info.hSubMenu;
    item.caption = caption;
    return item;
}

// Captions carry neither an access key ('&') nor a shortcut after a tab.
void ExpectPlainEnabledItem(const Item& item, const wchar_t* caption) {
    EXPECT_EQ(item.caption, caption);
    EXPECT_EQ(item.caption.find_first_of(L"&\t"), std::wstring::npos);
    EXPECT_EQ(item.type & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW), 0u);
    EXPECT_EQ(item.state & (MFS_CHECKED | MFS_DISABLED | MFS_GRAYED), 0u);
}

TEST(MenuResource, MainMenuHasFileAndHelpWithTheirItemsInOrder) {
    UniqueMenu menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDM_MAIN_MENU)));
    ASSERT_TRUE(menu) << "no menu under IDM_MAIN_MENU, error " << GetLastError();
    ASSERT_EQ(GetMenuItemCount(menu.get()), static_cast<int>(kMainMenu.size()));

    for (std::size_t m = 0; m < kMainMenu.size(); ++m) {
        const MenuRow& row = kMainMenu[m];
        SCOPED_TRACE(testing::Message() << "menu " << row.caption);
        const Item top = ReadItem(menu.get(), static_cast<int>(m));
        ExpectPlainEnabledItem(top, row.caption);
        ASSERT_NE(top.submenu, nullptr) << "not a submenu";
        ASSERT_EQ(GetMenuItemCount(top.submenu), static_cast<int>(row.items.size()));

        for (std::size_t i = 0; i < row.items.size(); ++i) {
            const ItemRow& expected = row.items[i];
            SCOPED_TRACE(testing::Message() << "item " << i);
            const Item item = ReadItem(top.submenu, static_cast<int>(i));
            EXPECT_EQ(item.submenu, nullptr);
            if (expected.caption == nullptr) {
                EXPECT_NE(item.type & MFT_SEPARATOR, 0u) << "not a separator line";
                continue;
            }
            ExpectPlainEnabledItem(item, expected.caption);
            EXPECT_EQ(item.id, expected.id);
        }
    }
}

}  // namespace
}  // namespace numora
