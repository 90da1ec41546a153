#include "driver/settings.h"

#include "driver/wine_path.h"

#ifndef NUMORA_E2E_EXE
#error "NUMORA_E2E_EXE must name numora.exe"
#endif
#ifndef NUMORA_E2E_WORK
#error "NUMORA_E2E_WORK must name the folder for test folders"
#endif
#ifndef NUMORA_E2E_SCREENS
#error "NUMORA_E2E_SCREENS must name the screenshot folder"
#endif

namespace numora::e2e {

std::wstring NumoraExePath() {
    return ToWinePath(NUMORA_E2E_EXE);
}

std::wstring WorkFolder() {
    return ToWinePath(NUMORA_E2E_WORK);
}

std::wstring ScreenshotFolder() {
    return ToWinePath(NUMORA_E2E_SCREENS);
}

}  // namespace numora::e2e
