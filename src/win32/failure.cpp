#include "win32/failure.h"

#include <windows.h>

#include <string>
#include <system_error>

namespace numora {
namespace {

std::wstring Widen(const char* text) {
    const int needed = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), needed);
    wide.resize(wide.size() - 1);  // the terminating null
    return wide;
}

}  // namespace

void ThrowLastError(const char* what) {
    ThrowLastError(what, GetLastError());
}

void ThrowLastError(const char* what, unsigned long error) {
    throw Failure(std::string(what) + ": " +
                  std::system_category().message(static_cast<int>(error)));
}

void EndOnUncaughtFailure() {
    std::wstring detail = L"不明なエラー";
    try {
        throw;
    } catch (const std::exception& failure) {
        detail = Widen(failure.what());
    } catch (...) {
    }
    const std::wstring text = L"実行時エラーが発生したため、Numora を終了します。\n\n" + detail;
    // Task-modal: no window of the program takes input while the box is up.
    MessageBoxW(nullptr, text.c_str(), L"Numora", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(1);
}

}  // namespace numora
