#include <windows.h>

#include "shell/application.h"
#include "win32/failure.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return numora::CallGuarded([] {
        numora::Application application;
        return application.Run();
    });
}
