// How the dialog and the panel read the port settings record's texts.

#include <gtest/gtest.h>

#include <string>

#include "core/port_settings_rules.h"
#include "core/port_settings_record.h"
#include "tests/fakes/fake_settings_store.h"

namespace kavel {
namespace {

using rules::Position;
using rules::Text;

const Text kMissing = std::nullopt;
Text T(const char* s) { return std::string(s); }

TEST(DialogReading, Speed) {
    EXPECT_EQ(rules::DialogSpeed(T("1200")), 0);
    EXPECT_EQ(rules::DialogSpeed(T("9600")), 4);
    EXPECT_EQ(rules::DialogSpeed(T("9600 baud")), 4);
    EXPECT_EQ(rules::DialogSpeed(T("256000")), 11);
    EXPECT_EQ(rules::DialogSpeed(T("300")), 9) << "unknown numbers select 115200";
    EXPECT_EQ(rules::DialogSpeed(T("abc")), 9);
    EXPECT_EQ(rules::DialogSpeed(kMissing), std::nullopt);
}

TEST(DialogReading, StopBitsMatchExactly) {
    EXPECT_EQ(rules::DialogStopBits(T("1")), 0);
    EXPECT_EQ(rules::DialogStopBits(T("1.5")), 1);
    EXPECT_EQ(rules::DialogStopBits(T("2")), 2);
    EXPECT_EQ(rules::DialogStopBits(T("1.50")), 0);
    EXPECT_EQ(rules::DialogStopBits(T(" 2")), 0);
    EXPECT_EQ(rules::DialogStopBits(kMissing), 0);
}

TEST(DialogReading, ParityIgnoresCaseAndLeavesUnknownUnselected) {
    EXPECT_EQ(rules::DialogParity(T("NONE")), 0);
    EXPECT_EQ(rules::DialogParity(T("odd")), 1);
    EXPECT_EQ(rules::DialogParity(T("Even")), 2);
    EXPECT_EQ(rules::DialogParity(T("even")), 2);
    EXPECT_EQ(rules::DialogParity(T("mArK")), 3);
    EXPECT_EQ(rules::DialogParity(T("SPACE")), 4);
    EXPECT_EQ(rules::DialogParity(T("EVENS")), std::nullopt);
    EXPECT_EQ(rules::DialogParity(T("")), std::nullopt);
    EXPECT_EQ(rules::DialogParity(kMissing), 0);
}

TEST(DialogReading, DataBits) {
    EXPECT_EQ(rules::DialogDataBits(T("5")), 0);
    EXPECT_EQ(rules::DialogDataBits(T("8")), 3);
    EXPECT_EQ(rules::DialogDataBits(T("16")), 4);
    EXPECT_EQ(rules::DialogDataBits(T("9")), std::nullopt);
    EXPECT_EQ(rules::DialogDataBits(T("x")), std::nullopt);
    EXPECT_EQ(rules::DialogDataBits(kMissing), 3);
}

TEST(DialogReading, PortSkipsThreeCharactersThenNeedsOneToEighteen) {
    EXPECT_EQ(rules::DialogPort(T("Com1")), 0);
    EXPECT_EQ(rules::DialogPort(T("COM12")), 11);
    EXPECT_EQ(rules::DialogPort(T("xyz18")), 17);
    EXPECT_EQ(rules::DialogPort(T("Com25")), 2);
    EXPECT_EQ(rules::DialogPort(T("Com0")), 2);
    EXPECT_EQ(rules::DialogPort(T("Com")), 2);
    EXPECT_EQ(rules::DialogPort(T("ttyACM0")), 2);
    EXPECT_EQ(rules::DialogPort(T("\xc3\x89\xc3\x89\xc3\x89" "7")), 6) << "three characters, not bytes";
    EXPECT_EQ(rules::DialogPort(T("Com99999999999999")), 2);
    EXPECT_EQ(rules::DialogPort(kMissing), 2);
}

TEST(PanelReading, PortPath) {
    EXPECT_EQ(rules::PortPath(T("Com12")), "//./Com12");
    EXPECT_EQ(rules::PortPath(T("COM12")), "//./COM12");
    EXPECT_EQ(rules::PortPath(T("Com25")), "//./Com25");
    EXPECT_EQ(rules::PortPath(kMissing), "//./Com3");
}

TEST(PanelReading, LineSettings) {
    EXPECT_EQ(rules::PanelBaudRate(T("9600 baud")), 9600u);
    EXPECT_EQ(rules::PanelBaudRate(T("300")), 300u);
    EXPECT_EQ(rules::PanelBaudRate(T("abc")), 0u);
    EXPECT_EQ(rules::PanelBaudRate(T("99999999999")), 2147483647u);
    EXPECT_EQ(rules::PanelBaudRate(kMissing), 115200u);

    EXPECT_EQ(rules::PanelStopBits(T("1.5")), kOne5StopBits);
    EXPECT_EQ(rules::PanelStopBits(T("2")), kTwoStopBits);
    EXPECT_EQ(rules::PanelStopBits(T("1.50")), kOneStopBit);
    EXPECT_EQ(rules::PanelStopBits(kMissing), kOneStopBit);

    EXPECT_EQ(rules::PanelParity(T("SPACE"), kOddParity), kSpaceParity);
    EXPECT_EQ(rules::PanelParity(T("even"), kNoParity), kEvenParity);
    EXPECT_EQ(rules::PanelParity(T("bogus"), kMarkParity), kMarkParity)
        << "an unknown name keeps what the device reported";
    EXPECT_EQ(rules::PanelParity(kMissing, kOddParity), kNoParity);

    EXPECT_EQ(rules::PanelByteSize(T("7")), 7);
    EXPECT_EQ(rules::PanelByteSize(T("5")), 5);
    EXPECT_EQ(rules::PanelByteSize(T("16")), 8);
    EXPECT_EQ(rules::PanelByteSize(T("4")), 8);
    EXPECT_EQ(rules::PanelByteSize(kMissing), 8);
}

TEST(RecordReading, TheFiftyByteBufferHoldsTwentyFourCharacters) {
    test::FakeSettingsStore store;
    const std::string key(record::kKeyPath);
    store.Put(key, "Port", std::string(24, 'a'));
    store.Put(key, "Speed", std::string(25, '9'));
    store.Put(key, "Parity", std::string(10000, 'x'));
    store.Put(key, "DataBits", std::string(12, '\xc3') + "");  // not valid UTF-8: still no crash
    auto k = store.OpenKey(key);
    ASSERT_TRUE(k);
    EXPECT_EQ(rules::ReadValue(*k, record::kPort), std::string(24, 'a'));
    EXPECT_EQ(rules::ReadValue(*k, record::kSpeed), std::nullopt);
    EXPECT_EQ(rules::ReadValue(*k, record::kParity), std::nullopt);
    EXPECT_EQ(rules::ReadValue(*k, record::kStopBits), std::nullopt);
    EXPECT_EQ(rules::DialogDataBits(rules::ReadValue(*k, record::kDataBits)), std::nullopt);
}

TEST(RecordTexts, BothReadersAgreeOnEverythingTheDialogWrites) {
    for (std::size_t i = 0; i < record::kSpeeds.size(); ++i) {
        const Text t = std::string(record::kSpeeds[i]);
        EXPECT_EQ(rules::DialogSpeed(t), static_cast<int>(i));
        EXPECT_EQ(std::to_string(rules::PanelBaudRate(t)), record::kSpeeds[i]);
    }
    for (std::size_t i = 0; i < record::kParities.size(); ++i) {
        const Text t = std::string(record::kParities[i]);
        EXPECT_EQ(rules::DialogParity(t), static_cast<int>(i));
        EXPECT_EQ(rules::PanelParity(t, 99), i);
    }
    for (std::size_t i = 0; i < record::kStopBitsTexts.size(); ++i) {
        const Text t = std::string(record::kStopBitsTexts[i]);
        EXPECT_EQ(rules::DialogStopBits(t), static_cast<int>(i));
        EXPECT_EQ(rules::PanelStopBits(t), i);
    }
    for (int n = 1; n <= record::kPortCount; ++n) {
        EXPECT_EQ(rules::DialogPort("Com" + std::to_string(n)), n - 1);
    }
}

}  // namespace
}  // namespace kavel
