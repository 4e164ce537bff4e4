// Starts the program: the platform services, then the application object, which creates and
// shows the main window and runs until it is closed.

#include <cstdlib>

#include <QApplication>

#include "app/qt/kavel_app.h"
#include "app/qt/system_services.h"

int main(int argc, char* argv[]) {
    QApplication qt_app(argc, argv);

    kavel::SystemServices system;
    const kavel::Services services = system.services();

    kavel::CKavelApp app(services);
    if (!app.InitInstance()) {
        app.ExitInstance();
        return EXIT_FAILURE;
    }
    app.Run();
    return app.ExitInstance();
}
