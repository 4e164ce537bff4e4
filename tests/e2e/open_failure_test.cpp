// A port that cannot be opened, on real files and a real pseudo-terminal through the real
// panel and serial device: a missing port, a port held by another program and a port the
// user may not open are told apart on status line 3, beside the documented box.

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "core/port_settings_record.h"
#include "panel/qt/child_view.h"
#include "platform/posix/posix_serial_device.h"
#include "tests/fakes/fake_services.h"
#include "tests/panel/child_view_peer.h"
#include "tests/posix/pty_pair.h"

namespace kavel {
namespace {

constexpr QPoint kUsbCentre(75, 445);
constexpr uid_t kNobody = 65534;

class OpenFailureOnThePanel : public testing::Test {
protected:
    // Clicks the USB symbol of a new panel whose stored port is this path.
    std::string ConnectTo(const std::string& port) {
        fakes.settings.Put(std::string(record::kKeyPath), std::string(record::kPort), port);
        CChildView panel(Services{device, fakes.settings, fakes.messages, fakes.sleeper,
                                  fakes.urls, fakes.files});
        panel.resize(panel.sizeHint());
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
        QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier,
                          kUsbCentre + panel.contentsRect().topLeft());
        EXPECT_FALSE(Peer(panel).m_connected);
        EXPECT_EQ(fakes.messages.shown.size(), 1u);  // "Can't open com port ..."
        fakes.messages.shown.clear();
        return Peer(panel).m_status3;
    }

    posix::PosixSerialDevice device;
    test::FakeServices fakes;
    test::PtyPair pty;
};

TEST_F(OpenFailureOnThePanel, AMissingPortSaysSo) {
    EXPECT_EQ(ConnectTo("/dev/kavel-no-such-port"),
              "3.  /dev/kavel-no-such-port: no such device - plug the board in or choose its "
              "port in Options > Comm settings");
}

TEST_F(OpenFailureOnThePanel, APortHeldByAnotherProgramSaysSo) {
    ASSERT_TRUE(pty.ok());
    posix::PosixSerialDevice other_program;
    const PortHandle held = other_program.Open(pty.slave_path());
    ASSERT_NE(held, kInvalidHandle);
    EXPECT_EQ(ConnectTo(pty.slave_path()),
              "3.  " + pty.slave_path() + ": in use by another program - close it, then connect again");
    other_program.Close(held);
}

// The user's own pty with no access for anyone. Root passes any file mode, so as root the
// click runs with the effective user "nobody" (the saved user stays root to come back).
TEST_F(OpenFailureOnThePanel, APortTheUserMayNotOpenNamesTheGroupToJoin) {
    ASSERT_TRUE(pty.ok());
    const std::string path = pty.slave_path();
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    const bool as_root = geteuid() == 0;
    if (as_root && seteuid(kNobody) != 0) {
        GTEST_SKIP() << "running as root without the right to drop privileges";
    }
    const std::string line = ConnectTo(path);
    if (as_root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    chmod(path.c_str(), st.st_mode & 07777);

    const group* owner = getgrgid(st.st_gid);
    const std::string name = owner && std::string(owner->gr_name) != "root" ? owner->gr_name
                                                                            : "dialout";
    EXPECT_EQ(line, "3.  " + path + ": permission denied - add your user to the " + name + " group");
}

}  // namespace
}  // namespace kavel
