// Status line 3 after a connect that could not open the device: why, and what to do.

#include <gtest/gtest.h>

#include "core/port_settings_record.h"
#include "core/serial_link.h"
#include "tests/fakes/fake_services.h"

namespace kavel {
namespace {

using Kind = OpenFailure::Kind;
using test::SerialStep;

struct Row {
    OpenFailure failure;
    std::string line;
};

class OpenFailureLine : public testing::TestWithParam<Row> {};

TEST_P(OpenFailureLine, TellsTheReasonAndTheCureBesideTheBox) {
    test::FakeServices fakes;
    fakes.settings.Put(std::string(record::kKeyPath), "Port", "ttyACM0");
    fakes.serial.Fail(SerialStep::Open);
    fakes.serial.open_failure = GetParam().failure;
    SerialLink link(fakes.serial, fakes.settings, fakes.messages, fakes.sleeper);

    EXPECT_FALSE(link.OpenPort());
    EXPECT_EQ(link.OpenFailureLine(), GetParam().line);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);  // the documented box still comes first
    EXPECT_EQ(fakes.messages.shown[0].text.rfind("Can't open com port //./ttyACM0", 0), 0u);

    // The next connect that gets further forgets the reason.
    fakes.serial.Succeed(SerialStep::Open);
    fakes.serial.Fail(SerialStep::SetState);
    EXPECT_FALSE(link.OpenPort());
    EXPECT_EQ(link.OpenFailureLine(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, OpenFailureLine,
    testing::Values(
        Row{{Kind::PermissionDenied, "/dev/ttyACM0", "dialout", "Permission denied"},
            "3.  /dev/ttyACM0: permission denied - add your user to the dialout group"},
        Row{{Kind::PermissionDenied, "/dev/ttyUSB0", "uucp", "Permission denied"},
            "3.  /dev/ttyUSB0: permission denied - add your user to the uucp group"},
        // A device of root's group (or of none known) names the usual group instead.
        Row{{Kind::PermissionDenied, "/dev/ttyS4", "root", "Permission denied"},
            "3.  /dev/ttyS4: permission denied - add your user to the dialout group"},
        Row{{Kind::Busy, "/dev/ttyACM0", "", "Device or resource busy"},
            "3.  /dev/ttyACM0: in use by another program - close it, then connect again"},
        Row{{Kind::Missing, "/dev/ttyACM0", "", "No such file or directory"},
            "3.  /dev/ttyACM0: no such device - plug the board in or choose its port in "
            "Options > Comm settings"},
        Row{{Kind::Other, "/dev/null", "", "not a serial device"},
            "3.  /dev/null: not a serial device"},
        // A system that does not say why leaves the line as it was.
        Row{{Kind::None, "", "", ""}, ""}));

}  // namespace
}  // namespace kavel
