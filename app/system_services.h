#pragma once
// The composition root: the real platform services of this system, owned together, as main()
// hands them to the program.

#include "app/app_identity.h"
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
    qt::QtMessageBox m_messages{QString::fromUtf8(kAppTitle.data(), kAppTitle.size())};
    ThreadSleeper m_sleeper;
    qt::QtUrlOpener m_urls;
    qt::QtFileChooser m_files;
};

}  // namespace kavel
