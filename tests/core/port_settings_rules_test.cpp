// How the dialog and the panel read the port settings record's texts. The 50-byte buffer
// (24 characters) is the link's test: a stored port name of 24 and of 25 characters.

#include <gtest/gtest.h>

#include <string>

#include "core/port_settings_rules.h"

namespace kavel {
namespace {

using rules::Position;
using rules::Text;

const Text kMissing = std::nullopt;
constexpr std::uint8_t kReported = kMarkParity;  // the parity the device reported
constexpr Position kNone = std::nullopt;

// What the dialog selects and what the panel uses (a number, or the port's device path).
Position Dialog(std::string_view value, const Text& stored) {
    if (value == "Speed") return rules::DialogSpeed(stored);
    if (value == "StopBits") return rules::DialogStopBits(stored);
    if (value == "Parity") return rules::DialogParity(stored);
    if (value == "DataBits") return rules::DialogDataBits(stored);
    return rules::DialogPort(stored);
}

std::string Panel(std::string_view value, const Text& stored) {
    if (value == "Speed") return std::to_string(rules::PanelBaudRate(stored));
    if (value == "StopBits") return std::to_string(rules::PanelStopBits(stored));
    if (value == "Parity") return std::to_string(rules::PanelParity(stored, kReported));
    if (value == "DataBits") return std::to_string(rules::PanelByteSize(stored));
    return rules::PortPath(stored);
}

TEST(RecordReading, EachTextAsTheDialogAndThePanelReadIt) {
    const struct {
        const char* value;
        Text stored;
        Position dialog;
        std::string panel;
    } rows[] = {
        {"Speed", "9600 baud", 4, "9600"},
        {"Speed", "256000", 11, "256000"},
        {"Speed", "300", 9, "300"},  // unknown numbers select 115200
        {"Speed", "abc", 9, "0"},
        {"Speed", "99999999999", 9, "2147483647"},
        {"Speed", kMissing, kNone, "115200"},
        {"StopBits", "1.5", 1, "1"},
        {"StopBits", "2", 2, "2"},
        {"StopBits", "1.50", 0, "0"},
        {"StopBits", " 2", 0, "0"},
        {"StopBits", kMissing, 0, "0"},
        {"Parity", "odd", 1, "1"},
        {"Parity", "Even", 2, "2"},
        {"Parity", "mArK", 3, "3"},
        {"Parity", "SPACE", 4, "4"},
        {"Parity", "EVENS", kNone, "3"},  // an unknown name keeps what the device reported
        {"Parity", "", kNone, "3"},
        {"Parity", kMissing, 0, "0"},
        {"DataBits", "7", 2, "7"},
        {"DataBits", "8", 3, "8"},
        {"DataBits", "16", 4, "8"},
        {"DataBits", "9", kNone, "8"},
        {"DataBits", kMissing, 3, "8"},
        {"Port", "COM12", 11, "//./COM12"},
        {"Port", "xyz18", 17, "//./xyz18"},
        {"Port", "Com25", 2, "//./Com25"},
        {"Port", "Com", 2, "//./Com"},
        {"Port", "\xc3\x89\xc3\x89\xc3\x89" "7", 6, "//./\xc3\x89\xc3\x89\xc3\x89" "7"},
        {"Port", "Com99999999999999", 2, "//./Com99999999999999"},
        {"Port", kMissing, 2, "//./Com3"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.value) + " " + r.stored.value_or("<missing>"));
        EXPECT_EQ(Dialog(r.value, r.stored), r.dialog);
        EXPECT_EQ(Panel(r.value, r.stored), r.panel);
    }
}

}  // namespace
}  // namespace kavel
