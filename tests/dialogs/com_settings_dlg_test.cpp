// The Com Settings dialog against the in-memory store and a message recorder.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include <QComboBox>
#include <QTest>

#include "res/resource_ids.h"
#include "dialogs/qt/com_settings_dlg.h"
#include "tests/fakes/fake_services.h"
#include "tests/dialogs/settings_test_support.h"

namespace kavel::test {
namespace {

using Values = std::map<std::string, std::string>;
const Values kDefaults = {
    {"Port", "Com3"}, {"Speed", "115200"}, {"Parity", "NONE"}, {"StopBits", "1"}, {"DataBits", "8"}};

class ComSettingsDlgTest : public ::testing::Test {
protected:
    std::unique_ptr<CComSettingsDlg> Open() {
        auto dlg = std::make_unique<CComSettingsDlg>(fakes.settings, fakes.messages, ports);
        dlg->OnInitDialog();
        dlg->show();
        return dlg;
    }
    void Store(const Values& values) {
        fakes.settings.keys.clear();
        for (const auto& [name, value] : values) fakes.settings.Put(kKey, name, value);
    }
    Values Stored() const {
        const auto it = fakes.settings.keys.find(kKey);
        return it == fakes.settings.keys.end() ? Values{} : it->second;
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : fakes.messages.shown) {
            EXPECT_EQ(m.icon, MessageIcon::None);
            texts.push_back(m.text);
        }
        fakes.messages.shown.clear();
        return texts;
    }
    static void Click(CComSettingsDlg& dlg, int id) {
        QTest::mouseClick(dlg.GetDlgItem(id), Qt::LeftButton);
    }

    FakeServices fakes;
    ListedPorts ports;
};

TEST_F(ComSettingsDlgTest, FirstRunSelectsNothingAndOkStoresTheDefaults) {
    auto dlg = Open();
    for (const QComboBox* box : {dlg->m_control_port, dlg->m_control_parity, dlg->m_control_speed,
                                 dlg->m_control_databits, dlg->m_control_stopbits}) {
        EXPECT_EQ(ShownBy(box), Shown(-1, "")) << box->objectName().toStdString();
    }
    EXPECT_EQ(dlg->m_control_port->count(), 18);
    Click(*dlg, ids::IDOK);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(Stored(), kDefaults);
}

TEST_F(ComSettingsDlgTest, OpensWithTheItemsTheStoredTextsSelect) {
    // The rules' own test reads every text; here one row of each kind through the boxes.
    const std::string k25(25, '9');
    const struct {
        Values stored;
        std::vector<std::string> shown;  // port, parity, speed, data bits, stop bits
    } cases[] = {
        {{{"Parity", "EVEN"}, {"DataBits", "16"}}, {"Com3", "EVEN", "", "16", "1"}},
        {{{"Port", "Com25"}, {"Speed", "9600 baud"}, {"StopBits", "1.50"}, {"Parity", "even"}},
         {"Com3", "EVEN", "9600", "8", "1"}},
        {{{"Port", "COM12"}, {"Speed", "300"}, {"Parity", "EVENS"}, {"DataBits", "9"}},
         {"Com12", "", "115200", "", "1"}},
        {{{"Port", "Com5" + std::string(21, ' ')}, {"Speed", k25}, {"Parity", k25},
          {"StopBits", k25}, {"DataBits", k25}},  // 25 read as missing
         {"Com3", "NONE", "", "8", "1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown[0] + c.shown[1] + c.shown[2]);
        Store(c.stored);
        auto dlg = Open();
        const QComboBox* boxes[] = {dlg->m_control_port, dlg->m_control_parity,
                                    dlg->m_control_speed, dlg->m_control_databits,
                                    dlg->m_control_stopbits};
        for (int i = 0; i < 5; ++i) {
            const std::string& text = c.shown[static_cast<std::size_t>(i)];
            EXPECT_EQ(ShownBy(boxes[i]),
                      Shown(text.empty() ? -1 : boxes[i]->findText(QString::fromStdString(text)), text));
        }
        EXPECT_TRUE(Messages().empty());
    }
    // OK unchanged writes the selections back.
    Store({{"Parity", "EVEN"}, {"DataBits", "16"}});
    Click(*Open(), ids::IDOK);
    EXPECT_EQ(Stored(), (Values{{"Port", "Com3"}, {"Speed", "115200"}, {"Parity", "EVEN"},
                                {"StopBits", "1"}, {"DataBits", "16"}}));
}

TEST_F(ComSettingsDlgTest, OkWritesTheSelectedItemsNeverTheTypedTexts) {
    auto dlg = Open();
    PickWithKeys(dlg->m_control_parity, "ODD");
    QTest::keyClicks(dlg->m_control_parity, "ish");
    QTest::keyClicks(dlg->m_control_speed, "9999");
    QTest::keyClicks(dlg->m_control_port, "ttyUSB7");
    Click(*dlg, ids::IDOK);
    Values expected = kDefaults;
    expected["Parity"] = "ODD";
    EXPECT_EQ(Stored(), expected);
    EXPECT_EQ(dlg->m_parity, "ODDish");  // OK still transfers the boxes into the members
}

TEST_F(ComSettingsDlgTest, EachTypedCharacterShowsOneBoxWithThePortText) {
    Store({{"Port", "Com5"}});
    auto dlg = Open();
    std::vector<std::string> in_box_while_shown;
    fakes.messages.on_show = [&](const std::string&) {
        in_box_while_shown.push_back(dlg->m_control_port->currentText().toStdString());
    };
    QTest::keyClick(dlg->m_control_port, Qt::Key_End);
    QTest::keyClick(dlg->m_control_port, 'x');
    EXPECT_EQ(Messages(), std::vector<std::string>{"Com5x"});
    QTest::keyClick(dlg->m_control_port, Qt::Key_Backspace);
    QTest::keyClick(dlg->m_control_port, Qt::Key_Backspace);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Com5", "Com"}));
    EXPECT_EQ(in_box_while_shown, (std::vector<std::string>{"Com5x", "Com5", "Com"}));
    EXPECT_EQ(dlg->m_control_port->count(), 18);  // typing adds no item

    // Texts set by a selection or by the dialog itself raise no box.
    PickWithKeys(dlg->m_control_port, "Com9");
    dlg->m_port = "com1";
    dlg->UpdateData(false);
    EXPECT_EQ(ShownBy(dlg->m_control_port), Shown(0, "Com1"));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ComSettingsDlgTest, SelectingAfterATextEndingInAStarAppliesTheStarRule) {
    const struct {
        std::string typed;
        bool star_rule;
    } cases[] = {
        {"ab*", true},
        {"Com7* ", false},
        {std::string(18, 'x') + "*", true},   // 19 characters
        {std::string(18, 'x') + "*y", true},  // a 20-character buffer keeps the 19th
        {std::string(19, 'x') + "*", false},  // but not the 20th
        {std::string(29, 'x') + "*", false},  // 30 characters ending in '*'
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Store({});
        auto dlg = Open();
        QTest::keyClicks(dlg->m_control_port, QString::fromStdString(c.typed));
        EXPECT_EQ(Messages().size(), c.typed.size());
        QTest::keyClick(dlg->m_control_port, Qt::Key_Down);  // selects "Com1"
        EXPECT_EQ(Messages(), c.star_rule ? std::vector<std::string>{"It's got a *"}
                                          : std::vector<std::string>{});
        // The handler saw the text as it was before the selection.
        EXPECT_EQ(dlg->m_port.toStdString(), c.star_rule ? "Com4 *" : c.typed);
        EXPECT_EQ(ShownBy(dlg->m_control_port), Shown(0, c.star_rule ? "Com4 *" : "Com1"));
        Click(*dlg, ids::IDOK);
        EXPECT_EQ(Stored().at("Port"), "Com1");
    }
}

TEST_F(ComSettingsDlgTest, DataExchangeOutSelectsTheFirstItemBeginningWithTheText) {
    auto dlg = Open();
    PickWithKeys(dlg->m_control_speed, "9600");
    QTest::keyClicks(dlg->m_control_speed, "0");
    dlg->m_speed = "96";  // the item already selected: its text replaces "96000"
    dlg->m_parity = "eVe";
    dlg->m_port = "com1";
    dlg->m_databits = "";
    dlg->m_stopbits = "3";
    dlg->UpdateData(false);
    EXPECT_EQ(ShownBy(dlg->m_control_speed), Shown(4, "9600"));
    EXPECT_EQ(ShownBy(dlg->m_control_parity), Shown(2, "EVEN"));
    EXPECT_EQ(ShownBy(dlg->m_control_port), Shown(0, "Com1"));  // before "Com10"
    EXPECT_EQ(ShownBy(dlg->m_control_databits), Shown(-1, ""));
    EXPECT_EQ(ShownBy(dlg->m_control_stopbits), Shown(-1, "3"));
}

TEST_F(ComSettingsDlgTest, CancelEscapeTheCloseBoxAndAFailingStoreAreSilent) {
    auto& store = fakes.settings;
    const struct {
        const char* what;
        std::function<void(CComSettingsDlg&)> dismiss;
        int result;
    } ways[] = {
        {"Cancel", [](CComSettingsDlg& d) { Click(d, ids::IDCANCEL); }, QDialog::Rejected},
        {"Escape", [](CComSettingsDlg& d) { QTest::keyClick(d.m_control_parity, Qt::Key_Escape); },
         QDialog::Rejected},
        {"close box", [](CComSettingsDlg& d) { d.close(); }, QDialog::Rejected},
        {"OK, no key", [&](CComSettingsDlg& d) { store.fail_create = true; Click(d, ids::IDOK); },
         QDialog::Accepted},
        {"OK, writes fail", [&](CComSettingsDlg& d) { store.fail_writes = true; Click(d, ids::IDOK); },
         QDialog::Accepted},
    };
    for (const auto& [what, dismiss, result] : ways) {
        SCOPED_TRACE(what);
        store.fail_create = store.fail_writes = false;
        Store({{"Port", "Com7"}, {"Speed", "9600"}});
        auto dlg = Open();
        PickWithKeys(dlg->m_control_port, "Com9");
        QTest::keyClicks(dlg->m_control_parity, "ODD");
        Messages();
        dismiss(*dlg);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), result);
        EXPECT_EQ(Stored(), (Values{{"Port", "Com7"}, {"Speed", "9600"}}));
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(ComSettingsDlgTest, SystemPortsFollowCom18AndAreSelectedByTheirExactName) {
    ports.ports = {{"ttyACM0", "Arduino Uno", "Arduino (www.arduino.cc)"}, {"ttyS0", "", ""},
                   {"ttyS17", "", ""}, {"ttyS18", "", ""}, {"ttyACM0", "Arduino Uno", ""},
                   {"", "nameless", ""}, {"ttyUSB0", "", "FTDI"}};
    auto dlg = Open();
    QStringList items;
    for (int i = 0; i < dlg->m_control_port->count(); ++i) items << dlg->m_control_port->itemText(i);
    EXPECT_EQ(items.mid(16), (QStringList{"Com17", "Com18", "ttyACM0", "ttyS18", "ttyUSB0"}));
    EXPECT_EQ(dlg->m_control_port->itemData(18, Qt::ToolTipRole),
              "Arduino Uno\nArduino (www.arduino.cc)");
    EXPECT_EQ(dlg->m_control_port->itemData(20, Qt::ToolTipRole), "FTDI");
    PickWithKeys(dlg->m_control_port, "ttyUSB0");
    Click(*dlg, ids::IDOK);
    EXPECT_EQ(Stored().at("Port"), "ttyUSB0");

    const std::pair<std::string, std::string> cases[] = {
        {"ttyUSB0", "ttyUSB0"}, {"ttyACM0", "ttyACM0"}, {"TTYACM0", "Com3"}, {"ttyUSB1", "Com3"},
        {"/dev/pts/3", "Com3"}, {"ttyS5", "Com3"},      {"Com5", "Com5"}};
    for (const auto& [stored, selected] : cases) {
        Store({{"Port", stored}});
        EXPECT_EQ(Open()->m_control_port->currentText().toStdString(), selected) << stored;
    }
}

}  // namespace
}  // namespace kavel::test
