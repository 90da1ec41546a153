#include "browse/folder_path.h"

#include <string_view>

namespace numora {

namespace {

wchar_t LowerAsciiLetter(wchar_t letter) {
    return (letter >= L'A' && letter <= L'Z') ? static_cast<wchar_t>(letter - L'A' + L'a') : letter;
}

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kExtendedUncPrefix = L"\\\\?\\UNC\\";

// The steps the system takes on a full path, which the \\?\ form switches
// off: a slash read as a backslash, runs of separators as one, "." and ".." resolved
// (never above the first `fixedParts`: the drive, or the server and share), a
// part's single trailing period dropped, and the last part's trailing periods
// and spaces.
std::wstring NormalizedParts(std::wstring_view path, std::size_t fixedParts) {
    std::vector<std::wstring_view> parts;
    for (std::size_t begin = 0; begin < path.size();) {
        std::size_t end = begin;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        const std::wstring_view part = path.substr(begin, end - begin);
        if (part == L"..") {
            if (parts.size() > fixedParts) parts.pop_back();
        } else if (!part.empty() && part != L".") {
            parts.push_back(part);
        }
        begin = end + 1;
    }
    const bool endsInSeparator = !path.empty() && IsSeparator(path.back());
    std::wstring joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::wstring_view part = parts[i];
        if (i + 1 == parts.size() && !endsInSeparator) {
            part = part.substr(0, part.find_last_not_of(L". ") + 1);
        } else if (part.ends_with(L'.') && !part.ends_with(L"..")) {
            part.remove_suffix(1);
        }
        joined.append(part).append(i + 1 < parts.size() || endsInSeparator ? L"\\" : L"");
    }
    return joined;
}

}  // namespace

std::optional<wchar_t> DriveLetterOf(const std::wstring& text) {
    if (text.size() < 2 || !IsAsciiLetter(text[0]) || text[1] != L':') {
        return std::nullopt;
    }
    return LowerAsciiLetter(text[0]);
}

std::wstring DriveDisplayText(wchar_t driveLetter, const std::wstring& volumeLabel) {
    std::wstring text{LowerAsciiLetter(driveLetter), L':'};
    if (!volumeLabel.empty()) {
        text += L" [" + volumeLabel + L"]";
    }
    return text;
}

std::vector<std::wstring> DriveEntries(std::uint32_t presentDrives,
                                       const std::function<bool(wchar_t)>& hasLabel,
                                       const std::function<std::wstring(wchar_t)>& readLabel) {
    std::vector<std::wstring> entries;
    for (int bit = 0; bit < 26; ++bit) {
        if ((presentDrives & (std::uint32_t{1} << bit)) != 0) {
            const wchar_t letter = static_cast<wchar_t>(L'a' + bit);
            entries.push_back(DriveDisplayText(letter, hasLabel(letter) ? readLabel(letter) : L""));
        }
    }
    return entries;
}

std::wstring NormalizeFolderPath(const std::wstring& fullPath) {
    std::wstring path = fullPath;
    const std::optional<wchar_t> drive = DriveLetterOf(path);
    if (drive) {
        path[0] = *drive;
        if (path.size() == 2) {
            path.push_back(L'\\');
        }
    }
    // The root keeps its backslash; "c:" alone would mean the drive's current directory.
    const std::size_t kept = (drive && path[2] == L'\\') ? 3 : 1;
    while (path.size() > kept && path.back() == L'\\') {
        path.pop_back();
    }
    return path;
}

std::wstring JoinFolder(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || folder.back() == L'\\') {
        return folder + name;
    }
    return folder + L'\\' + name;
}

std::wstring FileSystemPath(const std::wstring& path) {
    constexpr std::size_t kMaxPath = 260;  // MAX_PATH, its terminating null included
    if (path.size() < kMaxPath || path.starts_with(kExtendedPrefix) ||
        path.starts_with(L"\\\\.\\")) {
        return path;
    }
    if (DriveLetterOf(path) && IsSeparator(path[2])) {
        return std::wstring(kExtendedPrefix) + NormalizedParts(path, 1);
    }
    if (IsSeparator(path[0]) && IsSeparator(path[1])) {
        return std::wstring(kExtendedUncPrefix) + NormalizedParts(path, 2);
    }
    return path;  // a relative path has no such form
}

std::wstring ShownPath(const std::wstring& path) {
    if (path.starts_with(kExtendedUncPrefix)) {
        return L"\\\\" + path.substr(kExtendedUncPrefix.size());
    }
    if (path.starts_with(kExtendedPrefix)) {
        return path.substr(kExtendedPrefix.size());
    }
    return path;
}

std::vector<FolderRow> FolderTreeRows(const std::wstring& normalizedPath,
                                      const std::vector<std::wstring>& subfolderNames) {
    const bool driveRooted = DriveLetterOf(normalizedPath).has_value() &&
                             normalizedPath.size() >= 3 && normalizedPath[2] == L'\\';
    const std::wstring root = driveRooted ? normalizedPath.substr(0, 3) : normalizedPath;

    std::vector<FolderRow> rows;
    rows.push_back({root, 0, root, false});
    std::wstring current = root;
    int depth = 0;
    for (std::size_t begin = root.size(); begin < normalizedPath.size();) {
        std::size_t end = normalizedPath.find(L'\\', begin);
        if (end == std::wstring::npos) {
            end = normalizedPath.size();
        }
        if (end > begin) {
            const std::wstring name = normalizedPath.substr(begin, end - begin);
            current = JoinFolder(current, name);
            rows.push_back({name, ++depth, current, false});
        }
        begin = end + 1;
    }
    rows.back().IsCurrent = true;

    for (const std::wstring& name : subfolderNames) {
        rows.push_back({name, depth + 1, JoinFolder(current, name), false});
    }
    return rows;
}

}  // namespace numora
