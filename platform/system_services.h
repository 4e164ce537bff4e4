#pragma once
// The real platform services of this system, owned together: what main() hands the program.

#ifdef _WIN32
#include "platform/win32/win32_system_services.h"
#else

#include "platform/posix/posix_serial_device.h"
#include "platform/posix/thread_sleeper.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_url_opener.h"
#include "platform/services.h"

namespace kavel {

class SystemServices {
public:
    Services services() {
        return Services{m_serial, m_settings, m_messages, m_sleeper, m_urls, m_files};
    }

private:
    posix::PosixSerialDevice m_serial;
    qt::QSettingsStore m_settings;
    qt::QtMessageBox m_messages;
    ThreadSleeper m_sleeper;
    qt::QtUrlOpener m_urls;
    qt::QtFileChooser m_files;
};

}  // namespace kavel

#endif  // _WIN32
