#include "shell/letter_case_win32.h"

#include <windows.h>

#include "browse/control_error.h"

namespace numora {
namespace {

std::wstring MapCase(const std::wstring& text, DWORD mapping) {
    if (text.empty()) {
        return text;  // the system rejects an empty source
    }
    // The invariant locale: no language-specific rules such as the Turkish dotless i.
    const int length = static_cast<int>(text.size());
    const int needed = LCMapStringW(LOCALE_INVARIANT, mapping, text.c_str(), length, nullptr, 0);
    if (needed <= 0) {
        throw ControlError("The letter case could not be changed.", GetLastError());
    }
    std::wstring mapped(static_cast<std::size_t>(needed), L'\0');
    if (LCMapStringW(LOCALE_INVARIANT, mapping, text.c_str(), length, mapped.data(), needed) <= 0) {
        throw ControlError("The letter case could not be changed.", GetLastError());
    }
    return mapped;
}

}  // namespace

std::wstring LetterCaseWin32::Upper(const std::wstring& text) const {
    return MapCase(text, LCMAP_UPPERCASE);
}

std::wstring LetterCaseWin32::Lower(const std::wstring& text) const {
    return MapCase(text, LCMAP_LOWERCASE);
}

}  // namespace numora
