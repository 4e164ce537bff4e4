// A port that cannot be opened, through the real panel, serial device and settings files: a
// missing port, a port held by another program and a port the user may not open are told
// apart on status line 3, beside the documented box.

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/e2e/real_panel_test.h"
#include "tests/posix/pty_pair.h"

namespace kavel::test {
namespace {

constexpr uid_t kNobody = 65534;

class OpenFailureOnThePanel : public RealPanelTest {
protected:
    // Clicks the USB symbol of a new panel on the stored port.
    std::string ConnectToStoredPort() {
        ShowPanel();
        ClickUsb();
        EXPECT_FALSE(Peer(*panel).m_connected);
        EXPECT_EQ(messages.shown.size(), 1u);  // "Can't open com port ..."
        messages.shown.clear();
        return Peer(*panel).m_status3;
    }

    PtyPair pty;
};

TEST_F(OpenFailureOnThePanel, AMissingPortAndOneHeldByAnotherProgramSaySo) {
    UsePort("/dev/kavel-no-such-port");
    EXPECT_EQ(ConnectToStoredPort(),
              "3.  /dev/kavel-no-such-port: no such device - plug the board in or choose its "
              "port in Options > Comm settings");
    ASSERT_TRUE(pty.ok());
    posix::PosixSerialDevice other_program;
    const PortHandle held = other_program.Open(pty.slave_path());
    ASSERT_NE(held, kInvalidHandle);
    UsePort(pty.slave_path());
    EXPECT_EQ(
        ConnectToStoredPort(),
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
    UsePort(path);
    ASSERT_EQ(chmod(config.path().toLocal8Bit().constData(), 0755), 0);  // nobody reads it too
    const bool as_root = geteuid() == 0;
    if (as_root && seteuid(kNobody) != 0)
        GTEST_SKIP() << "running as root without the right to drop privileges";
    const std::string line = ConnectToStoredPort();
    if (as_root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    chmod(path.c_str(), st.st_mode & 07777);
    const group* owner = getgrgid(st.st_gid);
    const std::string name =
        owner && std::string(owner->gr_name) != "root" ? owner->gr_name : "dialout";
    EXPECT_EQ(line,
              "3.  " + path + ": permission denied - add your user to the " + name + " group");
}

}  // namespace
}  // namespace kavel::test
