// The Linux serial device and the link on a real pseudo-terminal pair.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/serial_link.h"
#include "platform/posix/port_name.h"
#include "platform/posix/posix_serial_device.h"
#include "core/port_settings_record.h"
#include "tests/fakes/fake_settings_store.h"
#include "tests/fakes/recorders.h"
#include "tests/posix/pty_pair.h"

namespace kavel {
namespace {

TEST(PortName, MapsStoredNamesToDevices) {
    const std::vector<std::pair<const char*, const char*>> rows = {
        {"//./Com5", "/dev/ttyS4"},     {"//./COM1", "/dev/ttyS0"},
        {"//./com18", "/dev/ttyS17"},   {"//./Com0", "/dev/Com0"},
        {"//./Com5x", "/dev/Com5x"},    {"//./ttyACM0", "/dev/ttyACM0"},
        {"//./ttyUSB1", "/dev/ttyUSB1"}, {"//.//dev/pts/7", "/dev/pts/7"},
        {"//./", ""},                   {"//./Com99999999999", "/dev/Com99999999999"},
    };
    for (const auto& [link, device] : rows) EXPECT_EQ(posix::DevicePathFor(link), device) << link;
}

class PtyLink : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        Store("Port", pty.slave_path());
        Store("Speed", "115200");
        Store("Parity", "NONE");
        Store("StopBits", "1");
        Store("DataBits", "8");
    }
    void Store(const std::string& name, const std::string& value) {
        settings.Put(std::string(record::kKeyPath), name, value);
    }

    test::PtyPair pty;
    posix::PosixSerialDevice device;
    test::FakeSettingsStore settings;
    test::MessageRecorder messages;
    test::SleepRecorder sleeper;
    SerialLink link{device, settings, messages, sleeper};
};

TEST_F(PtyLink, ConnectsAt115200AndWritesExactlyTheCommand) {
    ASSERT_TRUE(link.OpenPort()) << (messages.shown.empty() ? "" : messages.shown[0].text);
    EXPECT_TRUE(messages.shown.empty());
    Dcb applied{};
    ASSERT_TRUE(device.GetCommState(link.m_port_handle, applied));
    EXPECT_EQ(applied.BaudRate, 115200u);
    EXPECT_EQ(applied.ByteSize, 8);
    EXPECT_EQ(applied.Parity, kNoParity);
    EXPECT_EQ(applied.StopBits, kOneStopBit);

    const SendReport sent = link.Send('o', 601, true);
    EXPECT_EQ(sent.status3, "3.  4 bytes sent - o601");
    EXPECT_EQ(pty.ReadExactly(4), "o601");
    link.Send('l', -5, true);
    EXPECT_EQ(pty.ReadExactly(3), "l-5");
    EXPECT_EQ(pty.ReadAvailable(), "") << "nothing before or after a command";
}

TEST_F(PtyLink, AnyBaudRateTheDriverTakesIsApplied) {
    Store("Speed", "14400");  // no B14400 constant exists
    ASSERT_TRUE(link.OpenPort());
    Dcb applied{};
    ASSERT_TRUE(device.GetCommState(link.m_port_handle, applied));
    EXPECT_EQ(applied.BaudRate, 14400u);
}

TEST_F(PtyLink, ASecondOpenOfTheSamePortIsRefused) {
    ASSERT_TRUE(link.OpenPort());
    posix::PosixSerialDevice other;
    EXPECT_EQ(other.Open("//.//" + pty.slave_path().substr(1)), kInvalidHandle);
    EXPECT_EQ(other.Open(pty.slave_path()), kInvalidHandle);
    link.ClosePort();
    const PortHandle again = other.Open(pty.slave_path());
    EXPECT_NE(again, kInvalidHandle) << "free again after the close";
    other.Close(again);
}

TEST_F(PtyLink, UnsupportedFramingFailsSetCommStateAndKeepsTheHandle) {
    const std::vector<std::pair<const char*, const char*>> rows = {
        {"Speed", "0"}, {"Speed", "abc"}, {"StopBits", "1.5"},
        {"DataBits", "7"},   // a pty forces 8 data bits: the readback catches it
        {"Parity", "EVEN"},  // and it clears parity
    };
    for (const auto& [name, value] : rows) {
        SetUp();
        Store(name, value);
        test::MessageRecorder boxes;
        SerialLink l(device, settings, boxes, sleeper);
        EXPECT_FALSE(l.OpenPort()) << name << "=" << value;
        ASSERT_EQ(boxes.shown.size(), 1u) << name << "=" << value;
        EXPECT_EQ(boxes.shown[0].text,
                  "SetCommState\nCould not set communication state \n openport aborted");
        EXPECT_TRUE(l.m_port_open);
        // Mend the record: the next attempt configures the handle already held.
        SetUp();
        EXPECT_TRUE(l.OpenPort()) << name << "=" << value;
    }
}

TEST_F(PtyLink, HangingUpTheBoardMakesTheNextSendReportIt) {
    ASSERT_TRUE(link.OpenPort());
    pty.CloseMaster();
    const SendReport r = link.Send('l', 162, true);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.status3, "3.  Send failed - l162: Input/output error");
    EXPECT_EQ(link.Send('l', 162, true).result, 0) << "and every later send";
}

TEST(PosixSerialDevice, RefusesWhatIsNotATerminal) {
    const auto dir = std::filesystem::temp_directory_path() / "kavel-posix-test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "not-a-port";
    { std::ofstream(file) << "keep"; }
    posix::PosixSerialDevice device;
    EXPECT_EQ(device.Open("//./" + file.string()), kInvalidHandle);
    EXPECT_EQ(device.Open("//./" + dir.string()), kInvalidHandle);
    EXPECT_EQ(device.Open("//./ttyDoesNotExist42"), kInvalidHandle);
    EXPECT_EQ(device.Open("//./null"), kInvalidHandle) << "/dev/null is no terminal";
    std::ifstream in(file);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "keep") << "nothing written into the file";
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kavel
