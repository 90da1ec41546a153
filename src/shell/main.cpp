#include <windows.h>

#include "shell/application.h"
#include "shell/platform_services.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return numora::CallGuarded([] {
        numora::Application application;
        return application.Run();
    });
}
