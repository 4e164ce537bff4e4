// Starts the program: the platform services, then the window.

#include <QApplication>

#include "core/app_identity.h"
#include "panel/child_view.h"
#include "platform/posix/posix_serial_device.h"
#include "platform/posix/thread_sleeper.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_url_opener.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kavel::kAppTitle.data()));

    kavel::posix::PosixSerialDevice serial;
    kavel::qt::QSettingsStore settings;
    kavel::qt::QtMessageBox messages;
    kavel::ThreadSleeper sleeper;
    kavel::qt::QtUrlOpener urls;
    kavel::qt::QtFileChooser files;
    const kavel::Services services{serial, settings, messages, sleeper, urls, files};

    kavel::CChildView panel(services);
    panel.setWindowTitle(QString::fromUtf8(kavel::kAppTitle.data()));
    panel.resize(860, 600);
    panel.show();
    return QApplication::exec();
}
