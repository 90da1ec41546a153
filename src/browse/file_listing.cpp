// Pattern matching and ordering of the file list, free of windows.h so that
// it behaves the same natively (32-bit wchar_t) and on Windows (UTF-16).
#include "browse/file_listing.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace numora {

namespace {

// Reads one character at text[index], joining a surrogate pair so that '?'
// and the order never see half of a character. A lone surrogate stands alone.
char32_t CodePointAt(std::wstring_view text, std::size_t index, std::size_t& units) {
    const auto first = static_cast<char32_t>(text[index]);
    if (first >= 0xD800 && first <= 0xDBFF && index + 1 < text.size()) {
        const auto second = static_cast<char32_t>(text[index + 1]);
        if (second >= 0xDC00 && second <= 0xDFFF) {
            units = 2;
            return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
        }
    }
    units = 1;
    return first;
}

// Case folding by a fixed table rather than towupper, whose result depends on
// the C library and locale: ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic
// and the full-width Latin letters.
char32_t FoldCase(char32_t c) {
    if (c < 0x80) {
        return (c >= U'a' && c <= U'z') ? c - 0x20 : c;
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return c - 0x20;
    }
    if (c == 0xFF) {
        return 0x178;
    }
    if (c >= 0x100 && c <= 0x17F) {
        // Pairs of upper then lower case; Turkish dotted and dotless i keep their own.
        if ((c <= 0x137 && c != 0x130 && c != 0x131) || (c >= 0x14A && c <= 0x177)) {
            return c & ~char32_t{1};
        }
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
            return c % 2 == 0 ? c - 1 : c;
        }
        return c;
    }
    if (c >= 0x3AC && c <= 0x3CE) {
        if (c == 0x3AC) return 0x386;
        if (c <= 0x3AF) return c - 0x25;
        if (c == 0x3C2) return 0x3A3;  // final sigma
        if (c >= 0x3B1 && c <= 0x3CB) return c - 0x20;
        if (c == 0x3CC) return 0x38C;
        if (c >= 0x3CD) return c - 0x3F;
        return c;
    }
    if (c >= 0x430 && c <= 0x44F) {
        return c - 0x20;
    }
    if (c >= 0x450 && c <= 0x45F) {
        return c - 0x50;
    }
    if (c >= 0xFF41 && c <= 0xFF5A) {
        return c - 0x20;
    }
    return c;
}

void FoldInto(std::wstring_view text, std::u32string& folded) {
    folded.clear();
    std::size_t units = 1;
    for (std::size_t i = 0; i < text.size(); i += units) {
        folded.push_back(FoldCase(CodePointAt(text, i, units)));
    }
}

bool WildcardMatch(std::u32string_view name, std::u32string_view pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starAt = std::u32string_view::npos;
    std::size_t resumeName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == U'*') {
            starAt = p++;
            resumeName = n;
        } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (starAt != std::u32string_view::npos) {
            // Let the last star swallow one more character and try again.
            p = starAt + 1;
            n = ++resumeName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*') {
        ++p;
    }
    return p == pattern.size();
}

// A trailing ".*" also matches nothing at all, as on Windows: "*.*" lists
// names without a dot too, and "readme.*" finds "readme".
bool MatchesFolded(std::u32string_view name, std::u32string_view pattern) {
    if (WildcardMatch(name, pattern)) {
        return true;
    }
    constexpr std::u32string_view kAnyExtension = U".*";
    return pattern.ends_with(kAnyExtension) &&
           WildcardMatch(name, pattern.substr(0, pattern.size() - kAnyExtension.size()));
}

int DigitValue(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= 0xFF10 && c <= 0xFF19) return static_cast<int>(c - 0xFF10);  // full-width
    return -1;
}

// For the order only, full-width ASCII sorts with its half-width form ("Ｚ" by
// "Z"); patterns keep the two apart, as the file system does.
char32_t SortCharacter(char32_t c) {
    const char32_t folded = FoldCase(c);
    return (folded >= 0xFF01 && folded <= 0xFF5E) ? folded - 0xFEE0 : folded;
}

// Like the shell's order: spaces and ASCII punctuation, then numbers, then
// letters and everything else.
constexpr char32_t kPunctuationClass = 0;
constexpr char32_t kNumberClass = 1;
constexpr char32_t kOtherClass = 2;
constexpr int kClassShift = 21;  // above every code point

char32_t CharacterClass(char32_t key) {
    const bool asciiLetter = key >= U'A' && key <= U'Z';
    return (key < 0x80 && !asciiLetter) ? kPunctuationClass : kOtherClass;
}

// Digits are never surrogates, so a digit run is a run of single units.
std::size_t DigitRunEnd(std::wstring_view text, std::size_t from) {
    while (from < text.size() && DigitValue(static_cast<char32_t>(text[from])) >= 0) {
        ++from;
    }
    return from;
}

// The natural order as a sequence that compares element by element: a character
// becomes its class and folded code point; a digit run becomes its class and
// the count of its digits without leading zeros, then those digits, so numbers
// of any length compare by value. Names that differ only in letter case or
// leading zeros get equal keys.
void BuildOrderKey(std::wstring_view name, std::u32string& key) {
    key.clear();
    key.reserve(name.size() + 4);
    std::size_t units = 1;
    for (std::size_t i = 0; i < name.size(); i += units) {
        const char32_t c = SortCharacter(CodePointAt(name, i, units));
        if (DigitValue(c) < 0) {
            key.push_back(CharacterClass(c) << kClassShift | c);
            continue;
        }
        const std::size_t end = DigitRunEnd(name, i);
        std::size_t significant = i;
        while (significant < end && DigitValue(static_cast<char32_t>(name[significant])) == 0) {
            ++significant;
        }
        key.push_back(kNumberClass << kClassShift | static_cast<char32_t>(end - significant));
        for (; significant < end; ++significant) {
            key.push_back(
                static_cast<char32_t>(DigitValue(static_cast<char32_t>(name[significant]))));
        }
        units = end - i;
    }
}

template <typename T>
int Compare(T left, T right) {
    return (left > right) - (left < right);
}

// By code point, not by UTF-16 unit, so that both platforms agree.
int CompareOrdinal(std::wstring_view left, std::wstring_view right) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < left.size() && j < right.size()) {
        std::size_t leftUnits = 1;
        std::size_t rightUnits = 1;
        if (int byCharacter =
                Compare(CodePointAt(left, i, leftUnits), CodePointAt(right, j, rightUnits));
            byCharacter != 0) {
            return byCharacter;
        }
        i += leftUnits;
        j += rightUnits;
    }
    return Compare(left.size() - i, right.size() - j);
}

// NaturalLess for a whole list, each key built once rather than per comparison
// and all of them kept side by side in one buffer, which the sort reads far
// faster than a heap block per name.
void SortNaturally(std::vector<std::wstring>& names) {
    struct Keyed {
        std::size_t keyBegin;
        std::size_t keyLength;
        std::size_t name;
    };
    std::u32string keys;
    std::u32string key;
    std::vector<Keyed> order(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        BuildOrderKey(names[i], key);
        order[i] = {keys.size(), key.size(), i};
        keys += key;
    }
    const std::u32string_view allKeys = keys;
    std::sort(order.begin(), order.end(), [&](const Keyed& left, const Keyed& right) {
        const int natural = allKeys.substr(left.keyBegin, left.keyLength)
                                .compare(allKeys.substr(right.keyBegin, right.keyLength));
        return (natural != 0 ? natural : CompareOrdinal(names[left.name], names[right.name])) < 0;
    });
    std::vector<std::wstring> sorted;
    sorted.reserve(names.size());
    for (const Keyed& keyed : order) {
        sorted.push_back(std::move(names[keyed.name]));
    }
    names = std::move(sorted);
}

}  // namespace

std::vector<std::wstring> SplitPatterns(const std::wstring& patternText) {
    std::vector<std::wstring> patterns;
    std::size_t begin = 0;
    while (begin <= patternText.size()) {
        std::size_t end = patternText.find(L';', begin);
        if (end == std::wstring::npos) {
            end = patternText.size();
        }
        if (end > begin) {
            patterns.push_back(patternText.substr(begin, end - begin));
        }
        begin = end + 1;
    }
    return patterns;
}

bool MatchesPattern(const std::wstring& name, const std::wstring& pattern) {
    std::u32string foldedName;
    std::u32string foldedPattern;
    FoldInto(name, foldedName);
    FoldInto(pattern, foldedPattern);
    return MatchesFolded(foldedName, foldedPattern);
}

bool NaturalLess(const std::wstring& left, const std::wstring& right) {
    // Reused, so that a sort by NaturalLess does not allocate per comparison.
    thread_local std::u32string leftKey;
    thread_local std::u32string rightKey;
    BuildOrderKey(left, leftKey);
    BuildOrderKey(right, rightKey);
    const int natural = leftKey.compare(rightKey);
    return (natural != 0 ? natural : CompareOrdinal(left, right)) < 0;
}

std::vector<std::wstring> SelectListedFiles(std::vector<DirectoryEntry> entries,
                                            const std::wstring& patternText) {
    std::vector<std::u32string> patterns;
    for (const std::wstring& pattern : SplitPatterns(patternText)) {
        FoldInto(pattern, patterns.emplace_back());
    }

    std::vector<std::wstring> listed;
    std::u32string foldedName;
    for (DirectoryEntry& entry : entries) {
        if (entry.isDirectory || entry.isHidden || entry.isSystem) {
            continue;
        }
        FoldInto(entry.name, foldedName);
        const bool matches = std::any_of(patterns.begin(), patterns.end(),
                                         [&foldedName](const std::u32string& pattern) {
                                             return MatchesFolded(foldedName, pattern);
                                         });
        if (matches) {
            listed.push_back(std::move(entry.name));
        }
    }

    SortNaturally(listed);
    if (listed.size() > kMaxListedFiles) {
        listed.resize(kMaxListedFiles);
    }
    return listed;
}

}  // namespace numora
