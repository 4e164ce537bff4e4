// The Win32 serial device on Wine's COM5, which com_pty.py links to a pseudo-terminal: what
// the program writes must arrive at the pseudo-terminal's other end byte for byte.

#include <gtest/gtest.h>

#include <windows.h>

#include <tuple>

#include "core/serial_link.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_serial_device.h"
#include "core/port_settings_record.h"
#include "tests/fakes/recorders.h"
#include "tests/win32/wine_test_support.h"

namespace kavel {
namespace {

const std::string kKey(record::kKeyPath);

class Com5Test : public testing::Test {
protected:
    void SetUp() override {
        const auto work = test::PtyWorkFolder();
        ASSERT_TRUE(work) << "run under com_pty.py, which links COM5 to a pseudo-terminal";
        m_work = *work;
        RegDeleteTreeW(HKEY_CURRENT_USER, win32::Widen(kKey).c_str());
        auto key = store.CreateKey(kKey);
        ASSERT_TRUE(key);
        const std::pair<const char*, const char*> fields[] = {
            {"Port", "COM5"}, {"Speed", "115200"}, {"Parity", "NONE"}, {"StopBits", "1"},
            {"DataBits", "8"}};
        for (const auto& [name, value] : fields) key->SetString(name, value);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, win32::Widen(kKey).c_str()); }
    // Everything that has arrived at the board's end, once it holds at least `size` bytes.
    std::string Arrived(std::size_t size) { return test::WaitForBytes(File("capture.bin"), size); }
    // Unplugs the board: the helper closes the pseudo-terminal's master side.
    bool HangUp() {
        return test::CreateEmptyFile(File("hangup.request")) &&
               test::WaitForFile(File("hangup.done"));
    }
    std::string File(const std::string& name) const { return m_work + "\\" + name; }

    win32::RegistryStore store;
    win32::Win32SerialDevice device;
    test::MessageRecorder messages;
    test::SleepRecorder sleeper;

private:
    std::string m_work;
};

TEST_F(Com5Test, L162TravelsFromTheLinkThroughCom5ToThePseudoTerminal) {
    SerialLink link(device, store, messages, sleeper);
    ASSERT_TRUE(link.OpenPort()) << (messages.shown.empty() ? "" : messages.shown[0].text);
    EXPECT_TRUE(messages.shown.empty());
    Dcb d{};  // the line as the system holds it
    ASSERT_TRUE(device.GetCommState(link.m_port_handle, d));
    EXPECT_EQ(std::tie(d.BaudRate, d.ByteSize, d.Parity, d.StopBits, d.fDtrControl, d.fRtsControl),
              std::make_tuple(115200u, std::uint8_t{8}, kNoParity, kOneStopBit, kDtrControlEnable,
                              kRtsControlEnable));

    const SendReport sent = link.Send('l', 162, true);
    EXPECT_EQ(sent.result, 4);
    EXPECT_EQ(sent.status3, "3.  4 bytes sent - l162");
    EXPECT_EQ(Arrived(4), "l162");
    link.Send('s', 120, true);
    link.Send('l', -5, true);
    EXPECT_EQ(Arrived(11), "l162s120l-5") << "nothing before, between or after the commands";
    EXPECT_TRUE(link.ClosePort());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Com5Test, AnUnpluggedBoardMakesTheSendReportTheSystemsText) {
    SerialLink link(device, store, messages, sleeper);
    ASSERT_TRUE(link.OpenPort());
    ASSERT_TRUE(HangUp());
    const SendReport report = link.Send('l', 162, true);
    EXPECT_EQ(report.result, 0);
    // Wine turns the pseudo-terminal's EIO into ERROR_NOT_READY; Windows reports a vanished
    // USB serial port with an error of its driver's choosing.
    EXPECT_EQ(report.status3,
              "3.  Send failed - l162: " + win32::SystemErrorText(ERROR_NOT_READY));
    EXPECT_EQ(link.Send('l', 162, true).result, 0) << "and every later send";
    EXPECT_TRUE(link.ClosePort());
}

TEST_F(Com5Test, ValuesOutsideTheRecordsRangeAreRefused) {
    const PortHandle handle = device.Open("//./COM5");
    ASSERT_NE(handle, kInvalidHandle);
    Dcb good{};
    ASSERT_TRUE(device.GetCommState(handle, good));
    std::tie(good.BaudRate, good.ByteSize, good.Parity, good.StopBits) =
        std::tuple(115200u, std::uint8_t{8}, kNoParity, kOneStopBit);
    ASSERT_TRUE(device.SetCommState(handle, good));
    // Windows answers these with ERROR_INVALID_PARAMETER, Wine with ERROR_NOT_SUPPORTED.
    for (const auto& [byte_size, parity, stop_bits] : {std::tuple{4, kNoParity, kOneStopBit},
                                                       {9, kNoParity, kOneStopBit},
                                                       {8, 5, kOneStopBit},
                                                       {8, kNoParity, 3}}) {
        Dcb bad = good;
        std::tie(bad.ByteSize, bad.Parity, bad.StopBits) = std::tuple(byte_size, parity, stop_bits);
        EXPECT_FALSE(device.SetCommState(handle, bad)) << byte_size << +parity << +stop_bits;
    }
    EXPECT_TRUE(device.Close(handle));
}

}  // namespace
}  // namespace kavel
