// Starts the program: the platform services, then the application object, which creates and
// shows the main window and runs until it is closed.

#include <cstdlib>

#include <QApplication>

#include "app/kavel_app.h"
#include "platform/posix/posix_serial_device.h"
#include "platform/posix/thread_sleeper.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_url_opener.h"

int main(int argc, char* argv[]) {
    QApplication qt_app(argc, argv);

    kavel::posix::PosixSerialDevice serial;
    kavel::qt::QSettingsStore settings;
    kavel::qt::QtMessageBox messages;
    kavel::ThreadSleeper sleeper;
    kavel::qt::QtUrlOpener urls;
    kavel::qt::QtFileChooser files;
    const kavel::Services services{serial, settings, messages, sleeper, urls, files};

    kavel::CKavelApp app(services);
    if (!app.InitInstance()) {
        app.ExitInstance();
        return EXIT_FAILURE;
    }
    app.Run();
    return app.ExitInstance();
}
