// The serial link's open, close and send sequence against a fake device and a fake store.

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "core/port_settings_record.h"
#include "core/serial_link.h"
#include "tests/fakes/fake_services.h"

namespace kavel {
namespace {

using test::SerialStep;
using test::ShownMessage;
using Steps = std::vector<SerialStep>;
using Kind = OpenFailure::Kind;

const std::string kKey(record::kKeyPath);

class SerialLinkTest : public testing::Test {
protected:
    SerialLinkTest() {
        fakes.serial.reported.Parity = kMarkParity;
        fakes.serial.reported.XonLim = 2048;
        fakes.serial.reported.fOutX = 1;
        fakes.serial.reported.fOutxCtsFlow = 1;
        fakes.settings.keys[kKey];
    }
    // The line settings that were applied last: baud, parity, stop bits, data bits.
    auto Line() const {
        const Dcb& d = fakes.serial.applied.back();
        return std::make_tuple(d.BaudRate, d.Parity, d.StopBits, +d.ByteSize);
    }

    test::FakeServices fakes;
    SerialLink link{fakes.serial, fakes.settings, fakes.messages, fakes.sleeper};
};

TEST_F(SerialLinkTest, OpenRunsEveryStepInOrderPausingFourSecondsBeforeTheConfiguration) {
    fakes.settings.keys[kKey] = {{"Port", "Com5"}, {"Speed", "9600 baud"}, {"Parity", "even"},
                                 {"StopBits", "2"}, {"DataBits", "7"}};
    std::vector<std::size_t> steps_before_pause;
    fakes.sleeper.on_sleep = [&] { steps_before_pause.push_back(fakes.serial.calls.size()); };
    fakes.serial.Fail(SerialStep::ClearError);  // these two failures are ignored
    fakes.serial.Fail(SerialStep::Setup);
    ASSERT_TRUE(link.OpenPort());
    EXPECT_EQ(fakes.serial.opened_paths, std::vector<std::string>{"//./Com5"});
    EXPECT_EQ(fakes.serial.calls,
              (Steps{SerialStep::Open, SerialStep::GetState, SerialStep::SetState,
                     SerialStep::SetTimeouts, SerialStep::ClearError, SerialStep::Setup}));
    EXPECT_EQ(steps_before_pause, (std::vector<std::size_t>{2, 3, 4, 5}));
    const auto& pauses = fakes.sleeper.pauses;
    EXPECT_EQ(std::accumulate(pauses.begin(), pauses.end(), 0u), 4000u);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_TRUE(link.m_port_open);
    EXPECT_EQ(link.m_sio.m_handle, link.m_port_handle);

    // Each value lands in its own field; what nothing overrides stays as the device reported;
    // the flag word turns the device's handshaking off and raises DTR and RTS.
    EXPECT_EQ(Line(), std::make_tuple(9600u, kEvenParity, kTwoStopBits, 7));
    const Dcb& d = fakes.serial.applied.back();
    EXPECT_EQ(std::tie(d.XonLim, d.fOutX, d.fOutxCtsFlow, d.fDtrControl, d.fRtsControl),
              std::make_tuple(std::uint16_t{2048}, 0u, 0u, kDtrControlEnable, kRtsControlEnable));
}

// What each missing or unknown text reads as is the record's test (RecordReading); here the
// device's own parity reaches that reading, and a key gone at the second opening.
TEST_F(SerialLinkTest, UnknownParityKeepsTheDevicesAKeyGoneAtTheSecondOpeningGivesTheFallback) {
    fakes.settings.Put(kKey, "Parity", "sometimes");
    ASSERT_TRUE(link.OpenPort());
    EXPECT_EQ(fakes.serial.applied.back().Parity, kMarkParity) << "the reported parity stays";

    link.ClosePort();
    fakes.settings.Put(kKey, "Speed", "9600");
    fakes.settings.open_limit = fakes.settings.opens + 1;
    ASSERT_TRUE(link.OpenPort());
    EXPECT_EQ(Line(), std::make_tuple(115200u, kEvenParity, kOneStopBit, 8));
    EXPECT_EQ(fakes.serial.applied.back().fDtrControl, kDtrControlEnable) << "with the flag word";
}

TEST_F(SerialLinkTest, WithoutTheKeyOrTheDeviceNothingIsHeld) {
    fakes.settings.keys.clear();
    EXPECT_FALSE(link.OpenPort());
    fakes.settings.keys[kKey];
    fakes.serial.Fail(SerialStep::Open);
    EXPECT_FALSE(link.OpenPort());
    ASSERT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(fakes.messages.shown[0],
              (ShownMessage{"Unable read the comm port name from the registry.\n"
                            "Please check the port settings ?",
                            MessageIcon::None}));
    EXPECT_EQ(fakes.messages.shown[1].text.rfind("Can't open com port //./Com3\n", 0), 0u);
    EXPECT_EQ(fakes.messages.shown[1].icon, MessageIcon::Error);
    EXPECT_EQ(fakes.serial.calls, Steps{SerialStep::Open});
    EXPECT_FALSE(link.m_port_open);
    EXPECT_EQ(link.m_sio.m_handle, kInvalidHandle);
}

// Status line 3 after a connect that could not open the device: why, and what to do. A missing
// and a busy port are told apart on real devices through the panel.
TEST(ConnectNotice, TellsTheReasonAndTheCureBesideTheBoxUntilTheNextConnectGetsFurther) {
    const struct {
        OpenFailure failure;
        const char* line;
    } rows[] = {
        {{Kind::PermissionDenied, "/dev/ttyACM0", "dialout", "Permission denied"},
         "3.  /dev/ttyACM0: permission denied - add your user to the dialout group"},
        {{Kind::PermissionDenied, "/dev/ttyUSB0", "uucp", "Permission denied"},
         "3.  /dev/ttyUSB0: permission denied - add your user to the uucp group"},
        // A device of root's group (or of none known) names the usual group instead.
        {{Kind::PermissionDenied, "/dev/ttyS4", "root", "Permission denied"},
         "3.  /dev/ttyS4: permission denied - add your user to the dialout group"},
        {{Kind::Other, "/dev/null", "", "not a serial device"},
         "3.  /dev/null: not a serial device"},
        // A system that does not say why leaves the line as it was.
        {{Kind::None, "", "", ""}, ""},
    };
    for (const auto& r : rows) {
        test::FakeServices fakes;
        fakes.settings.Put(kKey, "Port", "ttyACM0");
        fakes.serial.Fail(SerialStep::Open);
        fakes.serial.open_failure = r.failure;
        SerialLink link(fakes.serial, fakes.settings, fakes.messages, fakes.sleeper);
        EXPECT_FALSE(link.OpenPort());
        EXPECT_EQ(link.ConnectNotice(), r.line);
        EXPECT_EQ(fakes.messages.shown.size(), 1u) << "the box still comes first";

        fakes.serial.Succeed(SerialStep::Open);
        fakes.serial.Fail(SerialStep::SetState);
        EXPECT_FALSE(link.OpenPort());
        EXPECT_EQ(link.ConnectNotice(), "");
    }
}

// A stored port name too long to read: the connect uses Com3 and says so, whether Com3 opens
// or not; one character less is read as it stands.
TEST(ConnectNotice, AStoredPortNameTooLongToReadIsToldWhenTheDefaultPortStandsIn) {
    const std::string notice =
        "3.  Port name in the settings longer than 24 characters - using Com3";
    const std::string longest(24, 'p');
    const struct {
        std::string port;
        bool opens;
        std::string path;
        std::string line;
    } rows[] = {
        {longest, true, "//./" + longest, ""},
        {"/home/user/kavel-board-01", true, "//./Com3", notice},
        {"/home/user/kavel-board-01", false, "//./Com3", notice},
    };
    for (const auto& r : rows) {
        test::FakeServices fakes;
        fakes.settings.Put(kKey, "Port", r.port);
        if (!r.opens) fakes.serial.Fail(SerialStep::Open);
        fakes.serial.open_failure = {Kind::Missing, "/dev/ttyS2", "", "No such file or directory"};
        SerialLink link(fakes.serial, fakes.settings, fakes.messages, fakes.sleeper);
        EXPECT_EQ(link.OpenPort(), r.opens);
        EXPECT_EQ(fakes.serial.opened_paths, std::vector<std::string>{r.path});
        EXPECT_EQ(link.ConnectNotice(), r.line);
    }
}

TEST(SerialLinkConfiguration, AFailedStepKeepsTheHandleForTheNextAttempt) {
    const struct {
        SerialStep step;
        std::string message;  // empty: silent
        std::size_t pauses;
    } failures[] = {
        {SerialStep::GetState, "", 0},
        {SerialStep::SetState,
         "SetCommState\nCould not set communication state \n openport aborted", 1},
        {SerialStep::SetTimeouts,
         "SetCommTimeouts\nCould not set communication timeouts\n openport aborted", 2},
    };
    for (const auto& c : failures) {
        test::FakeServices fakes;
        fakes.settings.Put(kKey, "Speed", "9600");
        SerialLink link(fakes.serial, fakes.settings, fakes.messages, fakes.sleeper);
        fakes.serial.Fail(c.step);
        EXPECT_FALSE(link.OpenPort());
        const std::vector<ShownMessage> box = {{c.message, MessageIcon::Error}};
        EXPECT_EQ(fakes.messages.shown, c.message.empty() ? std::vector<ShownMessage>{} : box);
        EXPECT_EQ(fakes.sleeper.pauses.size(), c.pauses);
        EXPECT_TRUE(link.m_port_open);
        EXPECT_TRUE(fakes.serial.closed.empty());

        // The next attempt reads the record again and reconfigures the same handle.
        const PortHandle held = link.m_port_handle;
        fakes.serial.Succeed(c.step);
        fakes.settings.Put(kKey, "Speed", "19200");
        const int opens_before = fakes.settings.opens;
        EXPECT_TRUE(link.OpenPort());
        EXPECT_EQ(fakes.serial.opened_paths.size(), 1u) << "the device is not opened again";
        EXPECT_EQ(link.m_port_handle, held);
        EXPECT_EQ(fakes.settings.opens - opens_before, 2) << "both key openings run again";
        EXPECT_EQ(fakes.serial.applied.back().BaudRate, 19200u);
    }
}

TEST_F(SerialLinkTest, CloseReleasesTheHandleOnceReconnectUsesTheNewOneAFailedCloseStillEnds) {
    ASSERT_TRUE(link.OpenPort());
    const PortHandle first = link.m_port_handle;
    EXPECT_TRUE(link.ClosePort());
    EXPECT_FALSE(link.ClosePort()) << "nothing held any more";
    EXPECT_EQ(fakes.serial.closed, std::vector<PortHandle>{first});
    EXPECT_EQ(link.m_sio.m_handle, first) << "the old value stays until the next open";

    ASSERT_TRUE(link.OpenPort());
    EXPECT_NE(link.m_sio.m_handle, first);
    EXPECT_EQ(link.m_sio.m_handle, link.m_port_handle);
    EXPECT_EQ(link.Send('o', 601, true).result, 4);
    EXPECT_EQ(fakes.serial.write_handles.back(), link.m_port_handle);
    // A device that takes part of a command: reported, not counted as sent.
    fakes.serial.TakeAtMost(2);
    const SendReport partial = link.Send('o', 601, true);
    EXPECT_EQ(std::tie(partial.result, partial.status3),
              std::make_tuple(0, std::string("3.  Send failed - o601: only 2 of 4 bytes taken")));
    EXPECT_EQ(fakes.serial.writes, (std::vector<std::string>{"o601", "o6"}));

    EXPECT_TRUE(fakes.messages.shown.empty());
    fakes.serial.Fail(SerialStep::Close);
    EXPECT_FALSE(link.ClosePort());
    EXPECT_FALSE(link.m_port_open);
    EXPECT_EQ(fakes.messages.shown,
              (std::vector<ShownMessage>{{"Can't close port.", MessageIcon::None}}));
}

TEST_F(SerialLinkTest, DestructionClosesAHeldHandleSilently) {
    fakes.serial.Fail(SerialStep::SetState);  // leaves the handle held, not connected
    {
        SerialLink held(fakes.serial, fakes.settings, fakes.messages, fakes.sleeper);
        held.OpenPort();
        fakes.messages.shown.clear();
    }
    EXPECT_EQ(fakes.serial.closed.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

}  // namespace
}  // namespace kavel
