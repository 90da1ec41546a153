#include "test_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "shell/message_font.h"

namespace numora::testing_support {
namespace {

constexpr wchar_t kParentClass[] = L"NumoraShellTestParent";

void RegisterParentClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kParentClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered) {
        throw std::runtime_error("test parent class not registered");
    }
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring full = folder + L"\\" + name;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(full);
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(search, &found) != FALSE);
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TestParent::TestParent() {
    RegisterParentClass(Procedure);
    window_.reset(CreateWindowExW(0, kParentClass, L"test", WS_OVERLAPPED | WS_CAPTION, 0, 0, 600,
                                  700, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!window_) {
        throw std::runtime_error("test parent not created");
    }
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    font_ = CreateMessageFont(96);
}

HWND TestParent::Create(const ControlLayout& layout, ComboFieldFit* fit) {
    return CreateLayoutControl(window_.get(), layout, 96, font_.get(), fit);
}

LRESULT CALLBACK TestParent::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        auto* self = reinterpret_cast<TestParent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr) {
            self->commands.push_back({LOWORD(wParam), HIWORD(wParam)});
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    for (unsigned attempt = 0; attempt < 1000 && path_.empty(); ++attempt) {
        const std::wstring candidate = std::wstring(base) + L"numora-shell-" +
                                       std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(attempt);
        if (CreateDirectoryW(candidate.c_str(), nullptr) != FALSE) {
            path_ = candidate;
        }
    }
    if (path_.empty()) {
        throw std::runtime_error("no temporary folder");
    }
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

void TempFolder::AddFile(const std::wstring& name) const {
    const HANDLE file = CreateFileW(Join(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("test file not created");
    }
    CloseHandle(file);
}

void TempFolder::AddFolder(const std::wstring& name) const {
    if (CreateDirectoryW(Join(name).c_str(), nullptr) == FALSE) {
        throw std::runtime_error("test folder not created");
    }
}

}  // namespace numora::testing_support
