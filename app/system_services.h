#pragma once
// The composition root: the real platform services of this system, owned together, as main()
// hands them to the program. On Windows the serial port, the settings and sleeping are the
// Win32 calls themselves; elsewhere termios2, QSettings files and the standard library. The
// message box, the browser and the file chooser are Qt's, like the rest of the windows.

#include "app/app_identity.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_url_opener.h"
#include "platform/services.h"
#ifdef _WIN32
#include "platform/win32/registry_store.h"
#include "platform/win32/win32_serial_device.h"
#include "platform/win32/win32_sleeper.h"
#else
#include "platform/posix/posix_serial_device.h"
#include "platform/posix/thread_sleeper.h"
#include "platform/qt/qsettings_store.h"
#endif

namespace kavel {

#ifdef _WIN32
using SystemSerialDevice = win32::Win32SerialDevice;
using SystemSettingsStore = win32::RegistryStore;
using SystemSleeper = win32::Win32Sleeper;
#else
using SystemSerialDevice = posix::PosixSerialDevice;
using SystemSettingsStore = qt::QSettingsStore;
using SystemSleeper = ThreadSleeper;
#endif

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
