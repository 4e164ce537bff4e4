// The Qt Com Settings dialog: the user's typing, selecting, OK and Cancel reach the rules,
// and the lists show what the rules did.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "dialogs/qt/com_settings_dlg.h"
#include "res/resource_ids.h"
#include "tests/dialogs/settings_test_support.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

std::vector<std::string> TakeMessages(MessageRecorder& messages) {
    std::vector<std::string> texts;
    for (const auto& m : messages.shown) texts.push_back(m.text);
    messages.shown.clear();
    return texts;
}

TEST(ComSettingsDlgTest, TypingAndSelectingRaiseTheirRulesWithTheTextTheUserSaw) {
    FakeServices fakes;
    ListedPorts ports;
    ports.ports = {{"ttyACM0", "Arduino Uno", "Arduino (www.arduino.cc)"}, {"ttyUSB0", "", "FTDI"}};
    fakes.settings.Put(kKey, "Port", "ttyACM0");
    CComSettingsDlg dlg(fakes.settings, fakes.messages, ports);
    dlg.OnInitDialog();
    dlg.show();
    QComboBox* port = dlg.m_control_port;
    EXPECT_EQ(ShownBy(port), Shown(18, "ttyACM0"));
    EXPECT_EQ(ShownBy(dlg.m_control_speed), Shown(-1, ""));
    EXPECT_EQ(port->itemData(18, Qt::ToolTipRole), "Arduino Uno\nArduino (www.arduino.cc)");
    EXPECT_EQ(port->itemData(19, Qt::ToolTipRole), "FTDI");

    std::vector<std::string> in_box_while_shown;
    fakes.messages.on_show = [&](const std::string&) {
        in_box_while_shown.push_back(port->currentText().toStdString());
    };
    QTest::keyClick(port, Qt::Key_End);
    QTest::keyClick(port, '*');
    EXPECT_EQ(TakeMessages(fakes.messages), std::vector<std::string>{"ttyACM0*"});
    EXPECT_EQ(in_box_while_shown, std::vector<std::string>{"ttyACM0*"});
    EXPECT_EQ(port->count(), 20);  // typing adds no item

    // A selection is judged by the text before it (which texts star, the rules' test); what the
    // rule puts there raises nothing.
    QTest::keyClick(port, Qt::Key_Down);
    EXPECT_EQ(TakeMessages(fakes.messages), std::vector<std::string>{"It's got a *"});
    EXPECT_EQ(ShownBy(port), Shown(19, "Com4 *"));
}

TEST(ComSettingsDlgTest, OkStoresTheSelectionsAndClosesCancelOnlyCloses) {
    for (const int button : {ids::IDOK, ids::IDCANCEL}) {
        FakeServices fakes;
        ListedPorts ports;
        CComSettingsDlg dlg(fakes.settings, fakes.messages, ports);
        dlg.OnInitDialog();
        dlg.show();
        EXPECT_EQ(ShownBy(dlg.m_control_port), Shown(-1, ""));  // a first run selects nothing
        PickWithKeys(dlg.m_control_parity, "ODD");
        QTest::keyClicks(dlg.m_control_parity, "ish");
        QTest::mouseClick(dlg.GetDlgItem(button), Qt::LeftButton);
        EXPECT_FALSE(dlg.isVisible());
        const bool ok = button == ids::IDOK;
        EXPECT_EQ(dlg.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(fakes.settings.Get(kKey, "Parity"), ok ? "ODD" : "<absent>");
        EXPECT_EQ(fakes.settings.Get(kKey, "Port"), ok ? "Com3" : "<absent>");
    }
}

}  // namespace
}  // namespace kavel::test
