// The Win32 serial device where no port is needed: a missing port; the system's error texts
// (or the number) and the text conversion.

#include <gtest/gtest.h>

#include <windows.h>

#include "core/serial_link.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_serial_device.h"
#include "core/port_settings_record.h"
#include "tests/fakes/recorders.h"

namespace kavel {
namespace {

const std::string kKey(record::kKeyPath);

// The open fails with the system's "not found", which status line 3 tells apart; the box and
// that nothing is held are the link's tests (tests/core/serial_link_test.cpp).
TEST(Win32Device, AMissingPortIsToldOnStatusLine3) {
    win32::RegistryStore store;
    store.CreateKey(kKey)->SetString("Port", "COM9");  // no dosdevices link for it in the prefix
    win32::Win32SerialDevice device;
    test::MessageRecorder messages;
    test::SleepRecorder sleeper;
    SerialLink link(device, store, messages, sleeper);
    EXPECT_FALSE(link.OpenPort());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(link.ConnectNotice(),
              "3.  //./COM9: no such device - plug the board in or choose its port in "
              "Options > Comm settings");
    RegDeleteTreeW(HKEY_CURRENT_USER, win32::Widen(kKey).c_str());
}

// A failed write's report carries this text: the COM5 test's unplugged board.
TEST(SystemErrorText, IsTheSystemsTextOnOneLineOrTheNumber) {
    const std::string reason = win32::SystemErrorText(ERROR_INVALID_HANDLE);
    EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos);
    EXPECT_NE(reason, "error 6") << "the system has a text for it";
    EXPECT_EQ(win32::SystemErrorText(0x20001234), "error 536875572") << "one it has none for";
}

TEST(WideText, RoundTripsEveryPlaneAndCountsUtf16Units) {
    const std::string text = "Com5 Käse € \xF0\x9F\x98\x80";  // a character beyond 16 bits
    const std::wstring wide = win32::Widen(text);
    EXPECT_EQ(wide.size(), 14u);  // the last character takes two units
    EXPECT_EQ(wide[6], L'\u00E4');
    EXPECT_EQ(win32::Narrow(wide), text);
    EXPECT_EQ(win32::Widen(""), L"");
    EXPECT_EQ(win32::Narrow(L""), "");
}

}  // namespace
}  // namespace kavel
