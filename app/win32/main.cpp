// kavel.exe: the platform services, then the application object, which creates and shows the
// main window and runs until it is closed.

#include "app/win32/kavel_app.h"
#include "app/win32/system_services.h"

#include <cstdlib>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    kavel::win32::SystemServices system;
    kavel::win32::CKavelApp app(system.services());
    if (!app.InitInstance()) {
        app.ExitInstance();
        return EXIT_FAILURE;
    }
    app.Run();
    return app.ExitInstance();
}
