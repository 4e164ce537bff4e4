#pragma once
// The composition root of the Qt program: the real platform services, owned together, as
// main() hands them to the program: termios2, QSettings files and the standard library's
// sleep; the message box, the browser and the file chooser are Qt's, like the windows.

#include "app/app_identity.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_url_opener.h"
#include "platform/services.h"
#include "platform/posix/posix_serial_device.h"
#include "platform/posix/thread_sleeper.h"
#include "platform/qt/qsettings_store.h"

namespace kavel {

using SystemSerialDevice = posix::PosixSerialDevice;
using SystemSettingsStore = qt::QSettingsStore;
using SystemSleeper = ThreadSleeper;

class SystemServices {
public:
    Services services() {
        return Services{m_serial, m_settings, m_messages, m_sleeper, m_urls, m_files};
    }

private:
    SystemSerialDevice m_serial;
    SystemSettingsStore m_settings;
    qt::QtMessageBox m_messages{QString::fromUtf8(kAppTitle.data(), kAppTitle.size())};
    SystemSleeper m_sleeper;
    qt::QtUrlOpener m_urls;
    qt::QtFileChooser m_files;
};

}  // namespace kavel
