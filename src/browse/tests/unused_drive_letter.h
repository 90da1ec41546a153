// A drive letter that no drive uses.
#pragma once

#include <windows.h>

#include <string>

namespace numora::testing {

// A lower-case letter that no drive uses, or 0 when all are taken.
inline wchar_t UnusedDriveLetter() {
    const DWORD drives = ::GetLogicalDrives();
    for (int bit = 25; bit >= 3; --bit) {
        if ((drives & (1u << bit)) == 0) return static_cast<wchar_t>(L'a' + bit);
    }
    return 0;
}

}  // namespace numora::testing
