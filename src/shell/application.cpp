#include "shell/application.h"

#include <commctrl.h>

#include "shell/form_handlers.h"
#include "shell/ids.h"

namespace numora {
namespace {

constexpr const wchar_t* kApplicationClass = L"NumoraApplication";

HICON ProgramIcon(int systemMetricX, int systemMetricY) {
    // Shared icons belong to the system; nothing to free.
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NUMORA),
                                         IMAGE_ICON, GetSystemMetrics(systemMetricX),
                                         GetSystemMetrics(systemMetricY), LR_SHARED));
}

}  // namespace

Application::Application() {
    // The program tells of a drive that is not ready itself; the system must not
    // ask for a disk first.
    SetErrorMode(SEM_FAILCRITICALERRORS);
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    RegisterWindowClasses();

    // A bare hidden popup: it only owns the other windows, and unlike an
    // overlapped window it is created without a round of size-limit queries.
    if (CreateWindowExW(0, kApplicationClass, L"Numora", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                        GetModuleHandleW(nullptr), this) == nullptr) {
        ThrowLastError("The application window could not be created.");
    }
}

Application::~Application() {
    // Windows before the object they report to.
    aboutWindows_.clear();
    form1_.reset();
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

int Application::Run() {
    form1_ = std::make_unique<Form1>(*this, *this);
    form1_->Create(hwnd_);
    if (Form_Load(*form1_, instances_) == LoadOutcome::EndProgram) {
        return 0;
    }
    form1_->Show();
    return MessageLoop();
}

void Application::RegisterWindowClasses() {
    const HICON bigIcon = ProgramIcon(SM_CXICON, SM_CYICON);
    const HICON smallIcon = ProgramIcon(SM_CXSMICON, SM_CYSMICON);
    Application::RegisterWindowClass(kApplicationClass, bigIcon, smallIcon);
    Form1::RegisterWindowClass(kForm1.Window.ClassName, bigIcon, smallIcon);
    Form2::RegisterWindowClass(kForm2.Window.ClassName, bigIcon, smallIcon);
}

int Application::MessageLoop() {
    MSG message{};
    // The program ends once its last window has closed, right after the
    // message that closed it: nothing more of the queue is served.
    while (openWindows_ > 0) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            ThrowLastError("The message queue failed.");
        }
        const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (root != nullptr && form1_ && root == form1_->Handle()) {
            form1_->RelayMouseMessage(message);
        }
        // The dialog keys (Tab, Shift+Tab, Enter) for the program's own windows, which
        // are the ones this window owns; not for the message boxes and tooltips they own.
        if (root != nullptr && GetWindow(root, GW_OWNER) == hwnd_ &&
            IsDialogMessageW(root, &message) != FALSE) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void Application::OpenNew() {
    auto about = std::make_unique<Form2>(*this);
    about->Create(hwnd_);
    Form2& shown = *about;
    aboutWindows_.push_back(std::move(about));
    shown.Show();
}

void Application::WindowClosed() {
    --openWindows_;
    if (hwnd_ != nullptr) {
        PostMessageW(hwnd_, WM_NUMORA_DISCARD_CLOSED, 0, 0);
    }
}

void Application::DiscardClosedAboutWindows() {
    std::erase_if(aboutWindows_,
                  [](const std::unique_ptr<Form2>& about) { return about->Handle() == nullptr; });
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NUMORA_DISCARD_CLOSED:
            DiscardClosedAboutWindows();
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace numora
