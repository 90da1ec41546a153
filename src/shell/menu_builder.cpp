#include "shell/menu_builder.h"

#include <string>

#include "browse/control_error.h"

namespace numora {
namespace {

void Check(BOOL succeeded) {
    if (succeeded == FALSE) {
        throw ControlError("The menu could not be built.", GetLastError());
    }
}

UniqueMenu BuildSubmenu(std::span<const MenuItemLayout> items, std::wstring_view parent) {
    UniqueMenu submenu(CreatePopupMenu());
    Check(submenu != nullptr);
    for (const MenuItemLayout& item : items) {
        if (item.parent != parent) {
            continue;
        }
        if (item.caption == kMenuSeparatorCaption) {
            Check(AppendMenuW(submenu.get(), MF_SEPARATOR, 0, nullptr));
        } else {
            const std::wstring caption(item.caption);
            Check(AppendMenuW(submenu.get(), MF_STRING, static_cast<UINT_PTR>(item.id),
                              caption.c_str()));
        }
    }
    return submenu;
}

}  // namespace

UniqueMenu BuildMenuBar(std::span<const MenuItemLayout> items) {
    UniqueMenu bar(CreateMenu());
    Check(bar != nullptr);
    for (const MenuItemLayout& item : items) {
        if (!item.parent.empty()) {
            continue;
        }
        UniqueMenu submenu = BuildSubmenu(items, item.name);
        const std::wstring caption(item.caption);
        Check(AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.get()),
                          caption.c_str()));
        submenu.release();  // the bar owns it now
    }
    return bar;
}

}  // namespace numora
