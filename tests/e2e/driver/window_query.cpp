#include "driver/window_query.h"

#include "driver/driver_error.h"
#include "driver/poll.h"
#include "shell/win32_handles.h"

namespace numora::e2e {
LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs,
                            &result) == 0) {
        throw DriverError(std::string(what) + ": the window did not answer within " +
                          std::to_string(kSendTimeoutMs) + " ms (error " +
                          std::to_string(GetLastError()) + ")");
    }
    return static_cast<LRESULT>(result);
}

namespace {

struct EnumRequest {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    const auto* request = reinterpret_cast<const EnumRequest*>(param);
    if (ProcessIdOf(window) == request->processId &&
        (request->className == nullptr || ClassNameOf(window) == request->className)) {
        request->found->push_back(window);
    }
    return TRUE;
}

}  // namespace

std::wstring TextOf(HWND window) {
    const auto length = SendTo(window, WM_GETTEXTLENGTH, 0, 0, "WM_GETTEXTLENGTH");
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendTo(window, WM_GETTEXT, text.size(),
                               reinterpret_cast<LPARAM>(text.data()), "WM_GETTEXT");
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::vector<std::wstring> ListBoxItems(HWND listBox) {
    // The program may refill the list while it is read row by row; a read
    // counts only when the rows and the count agree from start to end.
    std::vector<std::wstring> items;
    const auto readWhole = [&] {
        items.clear();
        const auto count = SendTo(listBox, LB_GETCOUNT, 0, 0, "LB_GETCOUNT");
        for (LRESULT i = 0; i < count; ++i) {
            const auto index = static_cast<WPARAM>(i);
            const auto length = SendTo(listBox, LB_GETTEXTLEN, index, 0, "LB_GETTEXTLEN");
            if (length < 0) {
                return false;
            }
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            if (SendTo(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()),
                       "LB_GETTEXT") != length) {
                return false;
            }
            text.resize(static_cast<std::size_t>(length));
            items.push_back(std::move(text));
        }
        return count >= 0 && SendTo(listBox, LB_GETCOUNT, 0, 0, "LB_GETCOUNT") == count;
    };
    if (!PollUntil(readWhole)) {
        throw DriverError("the list box kept changing while it was read");
    }
    return items;
}

int ListBoxSelection(HWND listBox) {
    return static_cast<int>(SendTo(listBox, LB_GETCURSEL, 0, 0, "LB_GETCURSEL"));
}

RECT ListBoxItemRectOnScreen(HWND listBox, int index) {
    RECT rect{};
    if (SendTo(listBox, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect),
               "LB_GETITEMRECT") == LB_ERR) {
        throw DriverError("LB_GETITEMRECT failed for row " + std::to_string(index));
    }
    MapWindowPoints(listBox, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<std::wstring> ComboBoxItems(HWND comboBox) {
    const auto count = SendTo(comboBox, CB_GETCOUNT, 0, 0, "CB_GETCOUNT");
    if (count < 0) {
        throw DriverError("CB_GETCOUNT failed");
    }
    std::vector<std::wstring> items;
    for (LRESULT i = 0; i < count; ++i) {
        const auto index = static_cast<WPARAM>(i);
        const auto length = SendTo(comboBox, CB_GETLBTEXTLEN, index, 0, "CB_GETLBTEXTLEN");
        if (length < 0) {
            throw DriverError("CB_GETLBTEXTLEN failed for entry " + std::to_string(i));
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        const auto copied = SendTo(comboBox, CB_GETLBTEXT, index,
                                   reinterpret_cast<LPARAM>(text.data()), "CB_GETLBTEXT");
        text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
        items.push_back(text);
    }
    return items;
}

bool ComboBoxDroppedDown(HWND comboBox) {
    return SendTo(comboBox, CB_GETDROPPEDSTATE, 0, 0, "CB_GETDROPPEDSTATE") != 0;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

DWORD ProcessIdOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

LONG StyleOf(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}

LONG ExStyleOf(HWND window) {
    return GetWindowLongW(window, GWL_EXSTYLE);
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        throw DriverError("GetWindowRect failed: the window is gone");
    }
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    if (!GetClientRect(window, &rect)) {
        throw DriverError("GetClientRect failed: the window is gone");
    }
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT CentreOf(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int TwipsToPixels(int twips) {
    const WindowDc screen(nullptr);
    return MulDiv(twips, GetDeviceCaps(screen.Get(), LOGPIXELSX), 1440);
}

int WidthOf(const RECT& rect) {
    return rect.right - rect.left;
}

int HeightOf(const RECT& rect) {
    return rect.bottom - rect.top;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const wchar_t* className) {
    std::vector<HWND> found;
    EnumRequest request{processId, className, &found};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&request));
    return found;
}

std::vector<HWND> ChildWindowsOf(HWND parent, const wchar_t* className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (className == nullptr || ClassNameOf(child) == className) {
            found.push_back(child);
        }
    }
    return found;
}

void SyncWith(HWND window) {
    SendTo(window, WM_NULL, 0, 0, "WM_NULL round trip");
}

}  // namespace numora::e2e
