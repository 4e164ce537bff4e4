// The Com Settings rules against fake lists, the in-memory store and a message recorder.

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/port_settings_record.h"
#include "dialogs/com_settings_rules.h"
#include "tests/fakes/fake_dialog_parts.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

using Values = std::map<std::string, std::string>;
using Shown = std::pair<int, std::string>;  // selected position, edit field
const std::string kKey(record::kKeyPath);

class ComSettingsRulesTest : public testing::Test {
protected:
    ComSettingsRulesTest() { rules.FillTemplateLists(); }
    void Open(const std::optional<Values>& record) {
        fakes.settings.keys.clear();
        if (record) fakes.settings.keys[kKey] = *record;
        rules.UpdateData(false);  // the framework's own initialisation comes first
        rules.OnInitDialog();
    }
    std::vector<FakeComboBox*> Lists() { return {&port, &parity, &speed, &databits, &stopbits}; }
    std::vector<Shown> ShownByLists() {
        std::vector<Shown> shown;
        for (const FakeComboBox* box : Lists()) shown.emplace_back(box->selected, box->text);
        return shown;
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

    FakeComboBox stopbits, speed, port, parity, databits;
    FakeServices fakes;
    ListedPorts ports;
    ComSettingsRules rules{{stopbits, speed, port, parity, databits}, fakes.settings,
                           fakes.messages, ports};
};

// How each text reads is the record's own test; here each value reaches its own list.
TEST_F(ComSettingsRulesTest, OpeningSelectsWhatEachStoredValueReadsAs) {
    ports.ports = {{"ttyUSB0", "", ""}};
    const struct {
        std::optional<Values> record;
        std::vector<std::string> shown;  // port, parity, speed, data bits, stop bits
    } cases[] = {
        {std::nullopt, {"", "", "", "", ""}},
        {Values{{"CustomFile", "a.txt"}}, {"Com3", "NONE", "", "8", "1"}},
        {Values{{"Port", "COM12"}, {"Parity", "even"}, {"Speed", "9600 baud"}, {"DataBits", "16"},
                {"StopBits", "1.5"}},
         {"Com12", "EVEN", "9600", "16", "1.5"}},
        {Values{{"Port", "ttyUSB0"}, {"Parity", "Mark"}, {"Speed", "300"}, {"DataBits", "9"},
                {"StopBits", "2"}},
         {"ttyUSB0", "MARK", "115200", "", "2"}},
        {Values{{"Port", "TTYUSB0"}, {"Parity", "SPACE"}, {"Speed", "256000"}, {"DataBits", "5"}},
         {"Com3", "SPACE", "256000", "5", "1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown[0] + c.shown[1] + c.shown[2]);
        Open(c.record);
        std::vector<std::string> texts;
        for (const FakeComboBox* box : Lists()) {
            texts.push_back(box->text);
            EXPECT_EQ(box->selected == -1, box->text.empty());
        }
        EXPECT_EQ(texts, c.shown);
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(ComSettingsRulesTest, ThePortListEndsWithTheSystemPortsNoComItemNames) {
    ports.ports = {{"ttyACM0", "Uno", ""}, {"ttyS0", "", ""}, {"ttyS17", "", ""},
                   {"ttyS18", "", ""},     {"ttyACM0", "", ""}, {"", "nameless", ""},
                   {"ttyUSB0", "", ""}};
    Open(std::nullopt);
    std::vector<std::string> expected;
    for (int n = 1; n <= 18; ++n) expected.push_back("Com" + std::to_string(n));
    expected.insert(expected.end(), {"ttyACM0", "ttyS18", "ttyUSB0"});
    EXPECT_EQ(port.items, expected);
    EXPECT_EQ(port.selected, -1);
}

TEST_F(ComSettingsRulesTest, OkStoresEachSelectedItemOrItsDefaultNeverTypedText) {
    const Values kept = {{"Port", "Com7"}};
    const struct {
        const char* what;
        std::function<void()> choose;
        Values stored;
    } cases[] = {
        {"nothing chosen", [] {},
         {{"Port", "Com3"}, {"Speed", "115200"}, {"Parity", "NONE"}, {"StopBits", "1"},
          {"DataBits", "8"}}},
        {"chosen, then typed",
         [&] {
             speed.SetCurSel(4);
             parity.SetCurSel(1);
             databits.SetCurSel(4);
             stopbits.SetCurSel(1);
             parity.text = "ODDish";
             port.text = "Com4 *";
         },
         {{"Port", "Com3"}, {"Speed", "9600"}, {"Parity", "ODD"}, {"StopBits", "1.5"},
          {"DataBits", "16"}}},
        {"no key", [&] { fakes.settings.fail_create = true; }, kept},
        {"writes fail", [&] { fakes.settings.fail_writes = true; }, kept},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (FakeComboBox* box : Lists()) box->SetCurSel(-1);
        fakes.settings.keys = {{kKey, kept}};
        fakes.settings.fail_create = fakes.settings.fail_writes = false;
        c.choose();
        rules.OnClickedOK();
        EXPECT_EQ(fakes.settings.keys[kKey], c.stored);
        EXPECT_EQ(rules.m_parity, parity.text) << "the lists are transferred into the members";
    }
}

TEST_F(ComSettingsRulesTest, TypingShowsThePortTextAndSelectingAfterAStarSetsCom4Star) {
    const std::string x18(18, 'x');
    const struct {
        bool selecting;
        std::string before;  // the port box's text when the notification comes
        std::vector<std::string> messages;
    } cases[] = {
        {false, "Com5x", {"Com5x"}},
        {false, "", {""}},
        {false, "ab*", {"ab*"}},
        {true, "ab*", {"It's got a *"}},
        {true, "*", {"It's got a *"}},
        {true, "Com7* ", {}},
        {true, "", {}},
        {true, x18 + "*", {"It's got a *"}},      // 19 characters
        {true, x18 + "*y", {"It's got a *"}},     // a 20-character buffer keeps the 19th
        {true, x18 + "x*", {}},                   // but not the 20th
        {true, std::string(17, 'x') + "\xc3\xa9*", {"It's got a *"}},  // characters, not bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        port.text = c.before;
        parity.text = "ev";
        c.selecting ? rules.OnSelChangePort() : rules.OnEditChangePort();
        EXPECT_EQ(Messages(), c.messages);
        const bool star = c.selecting && !c.messages.empty();
        // The star rule transfers every member out: "ev" selects "EVEN".
        EXPECT_EQ(ShownByLists()[1], star ? Shown(2, "EVEN") : Shown(-1, "ev"));
        EXPECT_EQ(rules.m_port, star ? "Com4 *" : c.before);
        EXPECT_EQ(port.text, rules.m_port);
        parity.SetCurSel(-1);
    }
}

TEST_F(ComSettingsRulesTest, DataExchangeOutSelectsTheFirstItemBeginningWithTheText) {
    speed.SetCurSel(4);
    speed.text = "96000";
    rules.m_speed = "96";  // the item already selected: its text replaces "96000"
    rules.m_parity = "eVe";
    rules.m_port = "com1";
    rules.m_databits = "";
    rules.m_stopbits = "3";
    rules.UpdateData(false);
    EXPECT_EQ(ShownByLists(),
              (std::vector<Shown>{{0, "Com1"}, {2, "EVEN"}, {4, "9600"}, {-1, ""}, {-1, "3"}}));
    rules.UpdateData(true);
    EXPECT_EQ(rules.m_speed, "9600");
}

}  // namespace
}  // namespace kavel::test
