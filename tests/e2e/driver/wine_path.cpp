#include "driver/wine_path.h"

#include <cwctype>

#include "driver/driver_error.h"

namespace numora::e2e {

std::wstring ToWinePath(const std::string& linuxPath) {
    std::wstring path = Widen(linuxPath);
    if (path.size() >= 2 && path[1] == L':') {
        return path;
    }
    if (path.empty() || path.front() != L'/') {
        throw DriverError("not an absolute Linux path: " + linuxPath);
    }
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return L"Z:" + path;
}

std::vector<std::wstring> PathTreeRows(const std::wstring& winePath) {
    if (winePath.size() < 3 || winePath[1] != L':' || winePath[2] != L'\\') {
        throw DriverError("not a full path: " + Narrow(winePath));
    }
    std::vector<std::wstring> rows{std::wstring{
        static_cast<wchar_t>(std::towlower(static_cast<wint_t>(winePath[0]))), L':', L'\\'}};
    std::wstring name;
    for (std::size_t i = 3; i <= winePath.size(); ++i) {
        if (i == winePath.size() || winePath[i] == L'\\') {
            if (!name.empty()) {
                rows.push_back(name);
            }
            name.clear();
        } else {
            name += winePath[i];
        }
    }
    return rows;
}

}  // namespace numora::e2e
