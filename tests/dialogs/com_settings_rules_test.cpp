// The Com Settings rules against fake lists, the in-memory store and a message recorder.

#include <gtest/gtest.h>

#include "core/port_settings_record.h"
#include "dialogs/com_settings_rules.h"
#include "tests/fakes/fake_dialog_parts.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

using Values = FakeSettingsStore::Values;
using Texts = std::vector<std::string>;
const std::string kKey(record::kKeyPath);
// The device names that "Com1" and "Com18" open, and one that no item opens.
#ifdef _WIN32
const char *const kCom1Device = "COM1", *const kCom18Device = "com18", *const kOther = "COM19";
#else
const char *const kCom1Device = "ttyS0", *const kCom18Device = "ttyS17", *const kOther = "ttyS18";
#endif

class ComSettingsRulesTest : public testing::Test {
protected:
    ComSettingsRulesTest() { rules.FillTemplateLists(); }
    std::vector<FakeComboBox*> Lists() { return {&port, &parity, &speed, &databits, &stopbits}; }
    Texts Shown() {
        Texts texts;
        for (const FakeComboBox* box : Lists()) {
            texts.push_back(std::to_string(box->selected) + " " + box->text);
        }
        return texts;
    }
    Texts Messages() {
        Texts texts;
        for (const auto& m : fakes.messages.shown) {
            texts.push_back(m.icon == MessageIcon::None ? m.text : "?");
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

// How each text reads is the record's own test; here each value reaches its own list, and
// the port list ends with the system's ports that no "Com" item names.
TEST_F(ComSettingsRulesTest, OpeningListsThePortsAndSelectsWhatEachStoredValueReadsAs) {
    const std::string longest(24, 'n'), too_long(25, 'n');  // the record's readers take 24
    ports.ports = {{"ttyACM0", "", ""}, {kCom1Device, "", ""}, {kCom18Device, "", ""},
                   {kOther, "", ""},    {"ttyACM0", "", ""},  {"", "", ""},
                   {too_long, "", ""},  {"ttyUSB0", "", ""},  {longest, "", ""}};
    const struct {
        std::optional<Values> record;
        Texts shown;  // port, parity, speed, data bits, stop bits
    } cases[] = {
        {std::nullopt, {"-1 ", "-1 ", "-1 ", "-1 ", "-1 "}},
        {Values{{"CustomFile", "a.txt"}}, {"2 Com3", "0 NONE", "-1 ", "3 8", "0 1"}},
        {Values{{"Port", "COM12"}, {"Parity", "even"}, {"Speed", "9600 baud"}, {"DataBits", "16"},
                {"StopBits", "1.5"}},
         {"11 Com12", "2 EVEN", "4 9600", "4 16", "1 1.5"}},
        {Values{{"Port", "ttyUSB0"}, {"Parity", "Mark"}, {"Speed", "300"}, {"DataBits", "9"},
                {"StopBits", "2"}},
         {"20 ttyUSB0", "3 MARK", "9 115200", "-1 ", "2 2"}},
        {Values{{"Port", "TTYUSB0"}, {"Parity", "SPACE"}, {"Speed", "256000"}, {"DataBits", "5"}},
         {"2 Com3", "4 SPACE", "11 256000", "0 5", "0 1"}},
    };
    for (const auto& c : cases) {
        fakes.settings.keys.clear();
        if (c.record) fakes.settings.keys[kKey] = *c.record;
        rules.UpdateData(false);  // the framework's own initialisation comes first
        rules.OnInitDialog();
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_TRUE(Messages().empty());
    }
    EXPECT_EQ(Texts(port.items.begin() + 16, port.items.end()),
              (Texts{"Com17", "Com18", "ttyACM0", kOther, "ttyUSB0", longest}));
}

TEST_F(ComSettingsRulesTest, OkStoresEachSelectedItemOrItsDefaultNeverTypedText) {
    const Values kept = {{"Port", "Com7"}};
    const struct {
        std::vector<int> selected;  // port, parity, speed, data bits, stop bits
        bool create_fails, write_fails;
        Values stored;
    } cases[] = {
        {{-1, -1, -1, -1, -1}, false, false,
         {{"Port", "Com3"}, {"Speed", "115200"}, {"Parity", "NONE"}, {"StopBits", "1"},
          {"DataBits", "8"}}},
        {{-1, 1, 4, 4, 1}, false, false,
         {{"Port", "Com3"}, {"Speed", "9600"}, {"Parity", "ODD"}, {"StopBits", "1.5"},
          {"DataBits", "16"}}},
        {{0, 0, 0, 0, 0}, true, false, kept},
        {{0, 0, 0, 0, 0}, false, true, kept},
    };
    for (const auto& c : cases) {
        fakes.settings.keys = {{kKey, kept}};
        fakes.settings.fail_create = c.create_fails;
        fakes.settings.fail_writes = c.write_fails;
        for (std::size_t i = 0; i < c.selected.size(); ++i) Lists()[i]->SetCurSel(c.selected[i]);
        parity.text = "ODDish";  // typed after the selection
        port.text = "Com4 *";
        rules.OnClickedOK();
        EXPECT_EQ(fakes.settings.keys[kKey], c.stored);
        EXPECT_EQ(rules.m_parity, "ODDish") << "the lists are transferred into the members";
    }
}

TEST_F(ComSettingsRulesTest, TypingShowsThePortTextAndSelectingAfterAStarSetsCom4Star) {
    const std::string x18(18, 'x');
    const struct {
        bool selecting;
        std::string before;  // the port box's text when the notification comes
        bool star;
    } cases[] = {
        {false, "ab*", false},          {false, "", false},
        {true, "ab*", true},            {true, "Com7* ", false},
        {true, "", false},              {true, x18 + "*", true},  // 19 characters
        {true, x18 + "*y", true},       // a 20-character buffer keeps the 19th
        {true, x18 + "x*", false},      // but not the 20th
        {true, std::string(17, 'x') + "\xc3\xa9*", true},  // characters, not bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        port.text = c.before;
        parity.SetCurSel(-1);
        parity.text = "ev";
        c.selecting ? rules.OnSelChangePort() : rules.OnEditChangePort();
        const Texts none;
        const Texts star_message = {"It's got a *"};
        EXPECT_EQ(Messages(), c.selecting ? (c.star ? star_message : none) : Texts{c.before});
        // The star rule transfers every member out: "ev" selects "EVEN".
        EXPECT_EQ(Shown()[1], c.star ? "2 EVEN" : "-1 ev");
        EXPECT_EQ(rules.m_port, c.star ? "Com4 *" : c.before);
        EXPECT_EQ(port.text, rules.m_port);
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
    EXPECT_EQ(Shown(), (Texts{"0 Com1", "2 EVEN", "4 9600", "-1 ", "-1 3"}));
    rules.UpdateData(true);
    EXPECT_EQ(rules.m_speed, "9600");
}

}  // namespace
}  // namespace kavel::test
