#pragma once
// The real platform services of the Windows program, owned together: the serial port, the
// settings and sleeping are the Win32 calls themselves; the message box, the browser and the
// file chooser stay Qt's, like the rest of the windows.

#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_url_opener.h"
#include "platform/services.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/win32_serial_device.h"
#include "platform/win32/win32_sleeper.h"

namespace kavel {

class SystemServices {
public:
    Services services() {
        return Services{m_serial, m_settings, m_messages, m_sleeper, m_urls, m_files};
    }

private:
    win32::Win32SerialDevice m_serial;
    win32::RegistryStore m_settings;
    qt::QtMessageBox m_messages;
    win32::Win32Sleeper m_sleeper;
    qt::QtUrlOpener m_urls;
    qt::QtFileChooser m_files;
};

}  // namespace kavel
