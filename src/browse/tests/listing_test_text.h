// Texts for the listing tests.
#pragma once

#include <cstdio>
#include <string>

namespace numora::testing {

// Wide texts in failure messages: ASCII as is, anything else as \u{...}.
inline std::string Printable(const std::wstring& text) {
    std::string out;
    for (const wchar_t unit : text) {
        const auto code = static_cast<unsigned long>(unit);
        if (code >= 0x20 && code < 0x7F) {
            out += static_cast<char>(code);
        } else {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "\\u{%lX}", code);
            out += escaped;
        }
    }
    return out;
}

// A character beyond the BMP as its two UTF-16 units, as Windows holds it. With a
// 32-bit wchar_t this is how a name arrives from UTF-16 data, so the native
// tests see the pairs too.
inline std::wstring Utf16Units(char32_t character) {
    const char32_t offset = character - 0x10000;
    return {static_cast<wchar_t>(0xD800 + (offset >> 10)),
            static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
}

}  // namespace numora::testing
