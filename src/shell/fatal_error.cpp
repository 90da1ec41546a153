#include "shell/fatal_error.h"

#include <windows.h>

#include <exception>
#include <iterator>
#include <string>

#include "browse/control_error.h"

namespace numora {
namespace {

std::wstring Widen(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    for (const UINT codePage : {static_cast<UINT>(CP_UTF8), static_cast<UINT>(CP_ACP)}) {
        const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
        const int needed = MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
        if (needed > 0) {
            std::wstring wide(static_cast<std::size_t>(needed), L'\0');
            MultiByteToWideChar(codePage, flags, text.data(), length, wide.data(), needed);
            return wide;
        }
    }
    return L"?";
}

std::wstring SystemErrorText(std::uint32_t code) {
    wchar_t buffer[512] = {};
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                       buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

void EndOnUncaughtFailure(const std::wstring& detail) {
    const std::wstring text = L"実行時エラーが発生したため、Numora を終了します。\n\n" + detail;
    // Task-modal: no window of the program takes input while the box is up.
    MessageBoxW(nullptr, text.c_str(), L"Numora", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(1);
}

void EndOnCurrentException() {
    std::wstring detail;
    try {
        throw;
    } catch (const ControlError& error) {
        detail = Widen(error.what());
        if (error.SystemError() != 0) {
            detail += L"\n" + SystemErrorText(error.SystemError());
        }
    } catch (const std::exception& error) {
        detail = Widen(error.what());
    } catch (...) {
        detail = L"不明なエラー";
    }
    EndOnUncaughtFailure(detail);
}

}  // namespace numora
