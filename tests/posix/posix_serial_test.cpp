// The Linux serial device and the link on a real pseudo-terminal pair.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <tuple>

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
        settings.keys[std::string(record::kKeyPath)] = {
            {"Port", pty.slave_path()}, {"Speed", "115200"}, {"Parity", "NONE"},
            {"StopBits", "1"},          {"DataBits", "8"}};
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
    EXPECT_EQ(std::tie(applied.BaudRate, applied.ByteSize, applied.Parity, applied.StopBits),
              std::make_tuple(115200u, std::uint8_t{8}, kNoParity, kOneStopBit));

    EXPECT_EQ(link.Send('o', 601, true).result, 4);
    EXPECT_EQ(pty.ReadExactly(4), "o601");
    link.Send('l', -5, true);
    EXPECT_EQ(pty.ReadExactly(3), "l-5");
    EXPECT_EQ(pty.ReadAvailable(), "") << "nothing before or after a command";
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

// A framing the driver does not take fails SetCommState; any baud rate it takes is applied,
// even one without a B constant. That the link keeps the handle and its box are the link's
// tests (tests/core/serial_link_test.cpp).
TEST_F(PtyLink, SetCommStateTakesWhatTheDriverTakesAndFailsOnTheRest) {
    const std::vector<std::tuple<const char*, const char*, bool>> rows = {
        {"Speed", "14400", true}, {"Speed", "0", false},       {"Speed", "abc", false},
        {"StopBits", "1.5", false}, {"DataBits", "7", false},  // a pty forces 8 data bits
        {"Parity", "EVEN", false},                             // and clears parity
    };
    for (const auto& [name, value, taken] : rows) {
        SCOPED_TRACE(std::string(name) + "=" + value);
        SetUp();
        Store(name, value);
        SerialLink l(device, settings, messages, sleeper);
        EXPECT_EQ(l.OpenPort(), taken);
        Dcb applied{};
        ASSERT_TRUE(device.GetCommState(l.m_port_handle, applied));
        EXPECT_TRUE(!taken || applied.BaudRate == 14400u) << applied.BaudRate;
        SetUp();  // the record mended: the line held after a refused framing takes it
        EXPECT_TRUE(l.OpenPort());
    }
}

TEST(PosixSerialDevice, RefusesWhatIsNotATerminal) {
    const auto dir = std::filesystem::temp_directory_path() / "kavel-posix-test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "not-a-port";
    std::ofstream(file) << "keep";
    posix::PosixSerialDevice device;
    for (const std::string& name : {file.string(), dir.string(), std::string("ttyDoesNotExist42"),
                                    std::string("null")}) {
        EXPECT_EQ(device.Open("//./" + name), kInvalidHandle) << name;
    }
    std::string content;
    std::ifstream(file) >> content;
    EXPECT_EQ(content, "keep") << "nothing written into the file";
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kavel
