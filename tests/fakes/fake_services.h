#pragma once
// All fakes together, handed to the code under test as its platform services.

#include "platform/services.h"
#include "tests/fakes/fake_serial_device.h"
#include "tests/fakes/fake_settings_store.h"
#include "tests/fakes/recorders.h"

namespace kavel::test {

struct FakeServices {
    FakeSerialDevice serial;
    FakeSettingsStore settings;
    MessageRecorder messages;
    SleepRecorder sleeper;
    UrlRecorder urls;
    ScriptedFileChooser files;

    Services services() { return Services{serial, settings, messages, sleeper, urls, files}; }
};

}  // namespace kavel::test
