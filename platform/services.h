#pragma once
// Everything the program needs from the platform, handed to the windows that use it, so that
// tests can run the real widgets against fakes.

#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/serial_device.h"
#include "platform/settings_store.h"
#include "platform/sleeper.h"
#include "platform/url_opener.h"

namespace kavel {

struct Services {
    ISerialDevice& serial;
    ISettingsStore& settings;
    IMessageBox& messages;
    ISleeper& sleeper;
    IUrlOpener& urls;
    IFileChooser& files;
};

}  // namespace kavel
