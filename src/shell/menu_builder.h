// A window's menu bar from its menu table.
#pragma once

#include <span>

#include "shell/form1_layout.h"
#include "shell/win32_handles.h"

namespace numora {

// Entries whose parent is empty go on the bar; the others into their parent's
// submenu in table order. Throws when the window system refuses a menu.
UniqueMenu BuildMenuBar(std::span<const MenuItemLayout> items);

}  // namespace numora
