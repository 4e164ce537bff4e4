#pragma once
// The composition root of kavel.exe: the real platform services, owned together, as wWinMain
// hands them to the program: the Win32 serial calls, the registry, MessageBoxW captioned
// "Kavel", Sleep, the shell's browser and the system's file chooser.

#include <string>

#include "app/app_identity.h"
#include "platform/services.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/win32_file_chooser.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_serial_device.h"
#include "platform/win32/win32_sleeper.h"
#include "platform/win32/win32_url_opener.h"

namespace kavel::win32 {

class SystemServices {
public:
    Services services() {
        return Services{m_serial, m_settings, m_messages, m_sleeper, m_urls, m_files};
    }

private:
    Win32SerialDevice m_serial;
    RegistryStore m_settings;
    Win32MessageBox m_messages{std::string(kAppTitle)};
    Win32Sleeper m_sleeper;
    Win32UrlOpener m_urls;
    Win32FileChooser m_files;
};

}  // namespace kavel::win32
