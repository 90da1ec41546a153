#include "shell/file_list_win32.h"

#include <algorithm>
#include <vector>

#include "browse/control_error.h"
#include "browse/directory_reader.h"
#include "browse/file_listing.h"
#include "shell/redraw_guard.h"

namespace numora {

void FileListWin32::ShowInitialFolder(const std::wstring& folder) {
    try {
        SetPath(folder);
    } catch (const ControlError&) {
        // Shown empty; the folder list's first change fills it.
    }
}

void FileListWin32::SetPath(const std::wstring& folder) {
    path_ = folder;
    Reload();
}

void FileListWin32::SetPattern(const std::wstring& pattern) {
    pattern_ = pattern;
    Reload();
}

void FileListWin32::Refresh() {
    Reload();
}

void FileListWin32::Clear() {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
}

void FileListWin32::Reload() {
    // Redrawing after every entry costs milliseconds each under Wine.
    const RedrawGuard quiet(list_);
    Clear();
    const std::vector<std::wstring> names = ListFiles(path_, pattern_);
    const std::size_t count = std::min(names.size(), kMaxListedFiles);
    std::size_t characters = 0;
    for (std::size_t index = 0; index < count; ++index) {
        characters += names[index].size() + 1;
    }
    SendMessageW(list_, LB_INITSTORAGE, static_cast<WPARAM>(count),
                 static_cast<LPARAM>(characters * sizeof(wchar_t)));
    for (std::size_t index = 0; index < count; ++index) {
        const LRESULT added =
            SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[index].c_str()));
        if (added == LB_ERR || added == LB_ERRSPACE) {
            Clear();
            throw ControlError("The file list could not be filled.", GetLastError());
        }
    }
}

std::int16_t FileListWin32::ListCount() const {
    const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    const LRESULT limited = std::clamp<LRESULT>(count, 0, static_cast<LRESULT>(kMaxListedFiles));
    return static_cast<std::int16_t>(limited);
}

std::wstring FileListWin32::List(std::int16_t index) const {
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length == LB_ERR) {
        throw ControlError("No such entry in the file list.", ERROR_INVALID_INDEX);
    }
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(name.data()));
    if (copied == LB_ERR) {
        throw ControlError("No such entry in the file list.", ERROR_INVALID_INDEX);
    }
    name.resize(static_cast<std::size_t>(copied));
    return name;
}

}  // namespace numora
