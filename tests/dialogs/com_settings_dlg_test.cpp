// The Qt Com Settings dialog: the user's typing, selecting, OK and Cancel reach the rules,
// and the lists show what the rules did.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include <QComboBox>
#include <QTest>

#include "dialogs/qt/com_settings_dlg.h"
#include "res/resource_ids.h"
#include "tests/dialogs/settings_test_support.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

using Values = std::map<std::string, std::string>;

class ComSettingsDlgTest : public ::testing::Test {
protected:
    std::unique_ptr<CComSettingsDlg> Open(const Values& record) {
        fakes.settings.keys = {{kKey, record}};
        auto dlg = std::make_unique<CComSettingsDlg>(fakes.settings, fakes.messages, ports);
        dlg->OnInitDialog();
        dlg->show();
        return dlg;
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : fakes.messages.shown) texts.push_back(m.text);
        fakes.messages.shown.clear();
        return texts;
    }

    FakeServices fakes;
    ListedPorts ports;
};

TEST_F(ComSettingsDlgTest, OpensWithTheRecordsSelectionsAndTheSystemPortsTips) {
    ports.ports = {{"ttyACM0", "Arduino Uno", "Arduino (www.arduino.cc)"}, {"ttyUSB0", "", "FTDI"}};
    auto dlg = Open({{"Parity", "EVEN"}, {"DataBits", "16"}, {"Port", "ttyUSB0"}});
    EXPECT_EQ(ShownBy(dlg->m_control_port), Shown(19, "ttyUSB0"));
    EXPECT_EQ(ShownBy(dlg->m_control_parity), Shown(2, "EVEN"));
    EXPECT_EQ(ShownBy(dlg->m_control_speed), Shown(-1, ""));
    EXPECT_EQ(ShownBy(dlg->m_control_databits), Shown(4, "16"));
    EXPECT_EQ(dlg->m_control_port->itemData(18, Qt::ToolTipRole),
              "Arduino Uno\nArduino (www.arduino.cc)");
    EXPECT_EQ(dlg->m_control_port->itemData(19, Qt::ToolTipRole), "FTDI");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ComSettingsDlgTest, EachTypedCharacterRaisesOneBoxWithThePortText) {
    auto dlg = Open({{"Port", "Com5"}});
    std::vector<std::string> in_box_while_shown;
    fakes.messages.on_show = [&](const std::string&) {
        in_box_while_shown.push_back(dlg->m_control_port->currentText().toStdString());
    };
    QTest::keyClick(dlg->m_control_port, Qt::Key_End);
    QTest::keyClick(dlg->m_control_port, 'x');
    QTest::keyClick(dlg->m_control_port, Qt::Key_Backspace);
    QTest::keyClick(dlg->m_control_port, Qt::Key_Backspace);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Com5x", "Com5", "Com"}));
    EXPECT_EQ(in_box_while_shown, (std::vector<std::string>{"Com5x", "Com5", "Com"}));
    EXPECT_EQ(dlg->m_control_port->count(), 18);  // typing adds no item

    // Texts that a selection or the dialog itself puts there raise none.
    dlg->Rules().m_port = "com1";
    dlg->UpdateData(false);
    EXPECT_EQ(ShownBy(dlg->m_control_port), Shown(0, "Com1"));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ComSettingsDlgTest, SelectingRaisesTheStarRuleWithTheTextSeenBeforeIt) {
    for (const bool star : {true, false}) {
        auto dlg = Open({});
        QTest::keyClicks(dlg->m_control_port, star ? "ab*" : "ab* ");
        Messages();
        QTest::keyClick(dlg->m_control_port, Qt::Key_Down);  // from "Com3" to "Com4"
        EXPECT_EQ(Messages(), star ? std::vector<std::string>{"It's got a *"}
                                   : std::vector<std::string>{});
        EXPECT_EQ(ShownBy(dlg->m_control_port), Shown(3, star ? "Com4 *" : "Com4"));
    }
}

TEST_F(ComSettingsDlgTest, OkStoresAndClosesCancelEscapeAndTheCloseBoxOnlyClose) {
    const Values kept = {{"Port", "Com7"}};
    const struct {
        const char* what;
        std::function<void(CComSettingsDlg&)> dismiss;
        int result;
        std::string stored_parity;
    } ways[] = {
        {"OK", [](CComSettingsDlg& d) { QTest::mouseClick(d.GetDlgItem(ids::IDOK), Qt::LeftButton); },
         QDialog::Accepted, "ODD"},
        {"Cancel",
         [](CComSettingsDlg& d) { QTest::mouseClick(d.GetDlgItem(ids::IDCANCEL), Qt::LeftButton); },
         QDialog::Rejected, "<absent>"},
        {"Escape", [](CComSettingsDlg& d) { QTest::keyClick(d.m_control_parity, Qt::Key_Escape); },
         QDialog::Rejected, "<absent>"},
        {"close box", [](CComSettingsDlg& d) { d.close(); }, QDialog::Rejected, "<absent>"},
    };
    for (const auto& [what, dismiss, result, stored_parity] : ways) {
        SCOPED_TRACE(what);
        auto dlg = Open(kept);
        PickWithKeys(dlg->m_control_parity, "ODD");
        QTest::keyClicks(dlg->m_control_parity, "ish");
        dismiss(*dlg);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), result);
        EXPECT_EQ(fakes.settings.Get(kKey, "Parity"), stored_parity);
        EXPECT_EQ(fakes.settings.Get(kKey, "Port"), "Com7");
    }
}

}  // namespace
}  // namespace kavel::test
