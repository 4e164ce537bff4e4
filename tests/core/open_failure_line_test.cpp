// Status line 3 after a connect that could not open the device: why, and what to do. A missing
// and a busy port are told apart on real devices through the panel.

#include <gtest/gtest.h>

#include "core/port_settings_record.h"
#include "core/serial_link.h"
#include "tests/fakes/fake_services.h"

namespace kavel {
namespace {

using Kind = OpenFailure::Kind;
using test::SerialStep;

TEST(OpenFailureLine, TellsTheReasonAndTheCureBesideTheBoxUntilTheNextConnectGetsFurther) {
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
        {{Kind::Other, "/dev/null", "", "not a serial device"}, "3.  /dev/null: not a serial device"},
        // A system that does not say why leaves the line as it was.
        {{Kind::None, "", "", ""}, ""},
    };
    for (const auto& r : rows) {
        test::FakeServices fakes;
        fakes.settings.Put(std::string(record::kKeyPath), "Port", "ttyACM0");
        fakes.serial.Fail(SerialStep::Open);
        fakes.serial.open_failure = r.failure;
        SerialLink link(fakes.serial, fakes.settings, fakes.messages, fakes.sleeper);
        EXPECT_FALSE(link.OpenPort());
        EXPECT_EQ(link.OpenFailureLine(), r.line);
        EXPECT_EQ(fakes.messages.shown.size(), 1u) << "the box still comes first";

        fakes.serial.Succeed(SerialStep::Open);
        fakes.serial.Fail(SerialStep::SetState);
        EXPECT_FALSE(link.OpenPort());
        EXPECT_EQ(link.OpenFailureLine(), "");
    }
}

}  // namespace
}  // namespace kavel
