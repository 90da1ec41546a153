#include "shell/letter_case_win32.h"

#include <windows.h>

#include "win32/failure.h"

namespace numora {
namespace {

std::wstring MapCase(const std::wstring& text, DWORD mapping) {
    if (text.empty()) {
        return text;  // the system rejects an empty source
    }
    // The invariant locale: no language-specific rules such as the Turkish dotless i.
    const int length = static_cast<int>(text.size());
    const int needed = LCMapStringW(LOCALE_INVARIANT, mapping, text.c_str(), length, nullptr, 0);
    std::wstring mapped(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed <= 0 ||
        LCMapStringW(LOCALE_INVARIANT, mapping, text.c_str(), length, mapped.data(), needed) <= 0) {
        ThrowLastError("The letter case could not be changed.");
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
