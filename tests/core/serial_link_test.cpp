// The serial link's open, close and send sequence against a fake device and a fake store.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/link_texts.h"
#include "core/serial_link.h"
#include "core/port_settings_record.h"
#include "tests/fakes/fake_services.h"

namespace kavel {
namespace {

using test::SerialStep;

const std::string kKey(record::kKeyPath);
const std::string kCantOpenCom3 =
    "Can't open com port //./Com3\nPlease check the com port settings in the Options menu."
    "\n\nThis program uses the //./com3 format when opening the port"
    "\nbecause this was needed in earlier 64 bit versions of Windows.";

class SerialLinkTest : public testing::Test {
protected:
    SerialLinkTest() {
        fakes.serial.reported.Parity = kMarkParity;
        fakes.serial.reported.XonChar = 0x11;
        fakes.serial.reported.fParity = 1;
        fakes.serial.reported.fTXContinueOnXoff = 1;
        fakes.serial.reported.fOutX = 1;
        fakes.serial.reported.fOutxCtsFlow = 1;
        fakes.serial.reported.XonLim = 2048;
    }

    void StoreRecord(const std::string& port, const std::string& speed, const std::string& parity,
                     const std::string& stop, const std::string& data) {
        fakes.settings.Put(kKey, "Port", port);
        fakes.settings.Put(kKey, "Speed", speed);
        fakes.settings.Put(kKey, "Parity", parity);
        fakes.settings.Put(kKey, "StopBits", stop);
        fakes.settings.Put(kKey, "DataBits", data);
    }

    // Opens with the record's key present but holding no value.
    bool OpenWithEmptyKey() {
        fakes.settings.keys[kKey];
        return link.OpenPort();
    }

    const Dcb& Applied() const { return fakes.serial.applied.back(); }

    test::FakeServices fakes;
    SerialLink link{fakes.serial, fakes.settings, fakes.messages, fakes.sleeper};
};

TEST_F(SerialLinkTest, SuccessfulOpenRunsEveryStepInOrderWithItsPauses) {
    StoreRecord("Com5", "9600", "EVEN", "2", "7");
    ASSERT_TRUE(link.OpenPort());
    EXPECT_EQ(fakes.serial.opened_paths, std::vector<std::string>{"//./Com5"});
    EXPECT_EQ(fakes.serial.calls,
              (std::vector<SerialStep>{SerialStep::Open, SerialStep::GetState, SerialStep::SetState,
                                       SerialStep::SetTimeouts, SerialStep::ClearError,
                                       SerialStep::Setup}));
    EXPECT_EQ(fakes.sleeper.pauses, (std::vector<unsigned>{1000, 2000, 500, 500}));
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_TRUE(link.m_port_open);
    EXPECT_EQ(link.m_port_handle, link.m_sio.m_handle);
    EXPECT_NE(link.m_port_handle, kInvalidHandle);
    EXPECT_EQ(fakes.serial.queue_in, 16384u);
    EXPECT_EQ(fakes.serial.queue_out, 16384u);
    const CommTimeouts& t = fakes.serial.timeouts.back();
    EXPECT_EQ(t.read_interval, 0u);
    EXPECT_EQ(t.read_total_constant, 2000u);
    EXPECT_EQ(t.write_total_constant, 0u);
    EXPECT_EQ(t.write_total_multiplier, 0u);
}

TEST_F(SerialLinkTest, LineSettingsComeFromTheRecordAndTheFlagWordIsFixed) {
    StoreRecord("Com5", "9600 baud", "even", "2", "7");
    ASSERT_TRUE(link.OpenPort());
    const Dcb& d = Applied();
    EXPECT_EQ(d.BaudRate, 9600u);
    EXPECT_EQ(d.Parity, kEvenParity);
    EXPECT_EQ(d.StopBits, kTwoStopBits);
    EXPECT_EQ(d.ByteSize, 7);
    // The flag word.
    EXPECT_EQ(d.fBinary, 1u);
    EXPECT_EQ(d.fOutxCtsFlow, 0u);
    EXPECT_EQ(d.fOutxDsrFlow, 0u);
    EXPECT_EQ(d.fDtrControl, kDtrControlEnable);
    EXPECT_EQ(d.fDsrSensitivity, 0u);
    EXPECT_EQ(d.fOutX, 0u);
    EXPECT_EQ(d.fInX, 0u);
    EXPECT_EQ(d.fNull, 0u);
    EXPECT_EQ(d.fRtsControl, kRtsControlEnable);
    EXPECT_EQ(d.fAbortOnError, 0u);
    // What the device reported and nothing overrides stays.
    EXPECT_EQ(d.fParity, 1u);
    EXPECT_EQ(d.fTXContinueOnXoff, 1u);
    EXPECT_EQ(d.XonChar, 0x11);
    EXPECT_EQ(d.XonLim, 2048);
}

// Each text's reading is the rules' own test; here only that the link takes the device's
// reported parity as the fallback and reads the defaults of a key holding nothing.
TEST_F(SerialLinkTest, AnEmptyKeyGivesTheDefaultsAndAnUnknownParityKeepsTheReportedOne) {
    ASSERT_TRUE(OpenWithEmptyKey());
    EXPECT_EQ(fakes.serial.opened_paths[0], "//./Com3");
    EXPECT_EQ(Applied().BaudRate, 115200u);
    EXPECT_EQ(Applied().Parity, kNoParity);
    EXPECT_EQ(Applied().StopBits, kOneStopBit);
    EXPECT_EQ(Applied().ByteSize, 8);

    link.ClosePort();
    fakes.settings.Put(kKey, "Parity", "sometimes");
    ASSERT_TRUE(link.OpenPort());
    EXPECT_EQ(Applied().Parity, kMarkParity);
}

TEST_F(SerialLinkTest, PortValueChoosesThePath) {
    const std::vector<std::pair<std::string, const char*>> rows = {
        {"/dev/pts/7", "//.//dev/pts/7"},
        {"Com1234567890123456789012", "//./Com3"},  // 25 characters: reads as missing
    };
    for (const auto& [stored, path] : rows) {
        test::FakeServices f;
        f.settings.Put(kKey, "Port", stored);
        SerialLink l(f.serial, f.settings, f.messages, f.sleeper);
        l.OpenPort();
        ASSERT_EQ(f.serial.opened_paths.size(), 1u) << stored;
        EXPECT_EQ(f.serial.opened_paths[0], path) << stored;
    }
}

TEST_F(SerialLinkTest, MissingKeyShowsTheRegistryBoxAndChangesNothing) {
    EXPECT_FALSE(link.OpenPort());
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Unable read the comm port name from the registry.\nPlease check the port settings ?");
    EXPECT_EQ(fakes.messages.shown[0].icon, MessageIcon::None);
    EXPECT_TRUE(fakes.serial.calls.empty());
    EXPECT_FALSE(link.m_port_open);
    EXPECT_EQ(link.m_sio.m_handle, kInvalidHandle);
    EXPECT_TRUE(fakes.sleeper.pauses.empty());
}

TEST_F(SerialLinkTest, FailedCreateShowsTheOpenBoxAndHoldsNothing) {
    fakes.settings.keys[kKey];
    fakes.serial.Fail(SerialStep::Open);
    EXPECT_FALSE(link.OpenPort());
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0], (test::ShownMessage{kCantOpenCom3, MessageIcon::Error}));
    EXPECT_FALSE(link.m_port_open);
    EXPECT_EQ(link.m_port_handle, kInvalidHandle);
    EXPECT_EQ(link.m_sio.m_handle, kInvalidHandle);
    EXPECT_TRUE(fakes.sleeper.pauses.empty());
}

struct ConfigFailure {
    SerialStep step;
    const char* message;  // nullptr: silent
    std::vector<unsigned> pauses;
};

class ConfigurationFailures : public SerialLinkTest,
                              public testing::WithParamInterface<ConfigFailure> {};

TEST_P(ConfigurationFailures, KeepTheHandleForTheNextAttempt) {
    const ConfigFailure& c = GetParam();
    StoreRecord("Com7", "9600", "NONE", "1", "8");
    fakes.serial.Fail(c.step);
    EXPECT_FALSE(link.OpenPort());
    if (c.message) {
        ASSERT_EQ(fakes.messages.shown.size(), 1u);
        EXPECT_EQ(fakes.messages.shown[0], (test::ShownMessage{c.message, MessageIcon::Error}));
    } else {
        EXPECT_TRUE(fakes.messages.shown.empty());
    }
    EXPECT_EQ(fakes.sleeper.pauses, c.pauses);
    EXPECT_TRUE(link.m_port_open);
    const PortHandle held = link.m_port_handle;
    EXPECT_TRUE(fakes.serial.closed.empty());

    // The next attempt reads the record again and reconfigures the same handle.
    fakes.serial.Succeed(c.step);
    fakes.settings.Put(kKey, "Speed", "19200");
    const int opens_before = fakes.settings.opens;
    EXPECT_TRUE(link.OpenPort());
    EXPECT_EQ(fakes.serial.opened_paths.size(), 1u) << "the device is not opened again";
    EXPECT_EQ(link.m_port_handle, held);
    EXPECT_EQ(fakes.settings.opens - opens_before, 2) << "both key openings run again";
    EXPECT_EQ(Applied().BaudRate, 19200u);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ConfigurationFailures,
    testing::Values(ConfigFailure{SerialStep::GetState, nullptr, {}},
                    ConfigFailure{SerialStep::SetState,
                                  "SetCommState\nCould not set communication state \n openport aborted",
                                  {1000}},
                    ConfigFailure{SerialStep::SetTimeouts,
                                  "SetCommTimeouts\nCould not set communication timeouts\n openport "
                                  "aborted",
                                  {1000, 2000}}));

TEST_F(SerialLinkTest, ClearErrorAndSetupFailuresAreIgnored) {
    fakes.settings.keys[kKey];
    fakes.serial.Fail(SerialStep::ClearError);
    fakes.serial.Fail(SerialStep::Setup);
    EXPECT_TRUE(link.OpenPort());
    EXPECT_TRUE(fakes.messages.shown.empty());
}

// The key can vanish between the two openings (another program deleting the file).
class VanishingStore final : public ISettingsStore {
public:
    explicit VanishingStore(test::FakeSettingsStore& inner) : m_inner(inner) {}
    std::unique_ptr<ISettingsKey> OpenKey(const std::string& path) override {
        return ++m_opens == 1 ? m_inner.OpenKey(path) : nullptr;
    }
    std::unique_ptr<ISettingsKey> CreateKey(const std::string& path) override {
        return m_inner.CreateKey(path);
    }

private:
    test::FakeSettingsStore& m_inner;
    int m_opens = 0;
};

TEST_F(SerialLinkTest, SecondKeyOpeningFailingUsesTheFallbackLine) {
    StoreRecord("Com4", "9600", "NONE", "2", "7");
    VanishingStore store(fakes.settings);
    SerialLink l(fakes.serial, store, fakes.messages, fakes.sleeper);
    ASSERT_TRUE(l.OpenPort());
    EXPECT_EQ(Applied().BaudRate, 115200u);
    EXPECT_EQ(Applied().Parity, kEvenParity);
    EXPECT_EQ(Applied().StopBits, kOneStopBit);
    EXPECT_EQ(Applied().ByteSize, 8);
    EXPECT_EQ(Applied().fDtrControl, kDtrControlEnable) << "the flag word is still set";
}

TEST_F(SerialLinkTest, CloseReleasesTheHandleOnceAndKeepsTheOldValues) {
    ASSERT_TRUE(OpenWithEmptyKey());
    const PortHandle h = link.m_port_handle;
    EXPECT_TRUE(link.ClosePort());
    EXPECT_FALSE(link.m_port_open);
    EXPECT_EQ(fakes.serial.closed, std::vector<PortHandle>{h});
    EXPECT_EQ(link.m_port_handle, h);
    EXPECT_EQ(link.m_sio.m_handle, h);
    EXPECT_FALSE(link.ClosePort()) << "nothing held any more";
    EXPECT_EQ(fakes.serial.closed.size(), 1u);
}

TEST_F(SerialLinkTest, FailedCloseShowsItsBoxAndStillClearsTheFlag) {
    ASSERT_TRUE(OpenWithEmptyKey());
    fakes.serial.Fail(SerialStep::Close);
    EXPECT_FALSE(link.ClosePort());
    EXPECT_FALSE(link.m_port_open);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0], (test::ShownMessage{"Can't close port.", MessageIcon::None}));
}

TEST_F(SerialLinkTest, ReconnectUsesTheNewHandle) {
    ASSERT_TRUE(OpenWithEmptyKey());
    const PortHandle first = link.m_sio.m_handle;
    link.ClosePort();
    ASSERT_TRUE(link.OpenPort());
    EXPECT_NE(link.m_sio.m_handle, first);
    EXPECT_EQ(link.m_sio.m_handle, link.m_port_handle);
    link.Send('s', 120, true);
    EXPECT_EQ(fakes.serial.write_handles.back(), link.m_port_handle);
}

TEST_F(SerialLinkTest, DestructionClosesAHeldHandleSilently) {
    fakes.settings.keys[kKey];
    fakes.serial.Fail(SerialStep::SetState);  // leaves the handle held, not connected
    {
        SerialLink l(fakes.serial, fakes.settings, fakes.messages, fakes.sleeper);
        l.OpenPort();
        fakes.messages.shown.clear();
    }
    EXPECT_EQ(fakes.serial.closed.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(SerialLinkTest, SendsExactlyTheFormattedBytes) {
    ASSERT_TRUE(OpenWithEmptyKey());
    const SendReport r = link.Send('o', 601, true);
    EXPECT_EQ(r.result, 4);
    EXPECT_EQ(r.status3, "3.  4 bytes sent - o601");
    const SendReport neg = link.Send('l', -5, true);
    EXPECT_EQ(neg.result, 3);
    EXPECT_EQ(neg.status3, "3.  3 bytes sent - l-5");
    EXPECT_EQ(fakes.serial.written, "o601l-5");
    EXPECT_EQ(fakes.serial.writes, (std::vector<std::string>{"o601", "l-5"}));
}

TEST_F(SerialLinkTest, RefusesWhenNotConnectedEvenWithAnOldHandle) {
    ASSERT_TRUE(OpenWithEmptyKey());
    link.ClosePort();
    const SendReport r = link.Send('l', 162, false);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.status3, "3. Can't send, the comms port is not open");
    EXPECT_TRUE(fakes.serial.written.empty());
}

TEST_F(SerialLinkTest, FailedAndPartialWritesAreReportedNotCountedAsSent) {
    ASSERT_TRUE(OpenWithEmptyKey());
    fakes.serial.Fail(SerialStep::Write);
    const SendReport failed = link.Send('l', 162, true);
    EXPECT_EQ(failed.result, 0);
    EXPECT_EQ(failed.status3, "3.  Send failed - l162: Input/output error");

    fakes.serial.Succeed(SerialStep::Write);
    fakes.serial.TakeAtMost(2);
    const SendReport partial = link.Send('l', 162, true);
    EXPECT_EQ(partial.result, 0);
    EXPECT_EQ(partial.status3, "3.  Send failed - l162: only 2 of 4 bytes taken");
}

}  // namespace
}  // namespace kavel
