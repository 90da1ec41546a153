// The rows of a list box, or the entries of a combo box, read by messages that
// also reach another process's window; none while the program is refilling it
// (an entry went between the count and its read).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "program_control.h"

namespace numora {

inline std::vector<std::wstring> ItemsOf(HWND list) {
    const bool combo = tools::ClassOf(list) == L"ComboBox";
    std::vector<std::wstring> items;
    for (WPARAM i = 0, count = tools::Send(list, combo ? CB_GETCOUNT : LB_GETCOUNT); i < count;
         ++i) {
        const LRESULT length = tools::Send(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i);
        if (length < 0) return {};
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied = tools::Send(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                                           reinterpret_cast<LPARAM>(item.data()));
        if (copied < 0) return {};
        item.resize(static_cast<std::size_t>(copied));
        items.push_back(item);
    }
    return items;
}

}  // namespace numora
