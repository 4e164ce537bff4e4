// The shell's rules without a toolkit: where commands go, what the update pass enables and
// marks, the looks and their profile value, against a fake window, a fake panel and the fake
// settings store. The menu table's own consistency is checked here too.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/app_rules.h"
#include "app/frame_rules.h"
#include "res/menus.h"
#include "res/string_table.h"
#include "tests/fakes/fake_settings_store.h"

namespace kavel::test {
namespace {

using namespace ids;
using VM = res::VisualManager;

constexpr char kProfileKey[] = "Software\\Local AppWizard-Generated Applications\\Kavel";
constexpr char kLookValue[] = "ApplicationLook";

using Log = std::vector<std::string>;

// The fixture stands in for the front-end, the frame window and the panel, and logs what
// reaches them. The panel takes the commands it is given (enabled unless also disabled).
class ShellRules : public ::testing::Test, public IAppFrontEnd, public IFrameWindow, public ICmdTarget {
protected:
    void RunAboutBox() override { log.push_back("about"); }
    void Close() override { log.push_back("close"); }
    std::optional<bool> BarVisible(int id) const override {
        return bars.count(id) ? std::optional<bool>(bars.at(id)) : std::nullopt;
    }
    void ShowBar(int id, bool show) override {
        bars[id] = show;
        log.push_back("bar " + std::to_string(id) + (show ? " on" : " off"));
    }
    void ApplyLook(const LookSelection& look) override { looks.push_back(look); }
    void OpenCustomization() override { log.push_back("customize"); }
    bool OnCmdMsg(int id) override {
        if (panel_takes.count(id)) log.push_back("panel");
        return panel_takes.count(id) != 0;
    }
    bool OnUpdateCmdUI(CCmdUI& ui) override {
        if (panel_takes.count(ui.id)) ui.Enable(!panel_disables.count(ui.id));
        return panel_takes.count(ui.id) != 0;
    }

    // A program start on the profile as it stands; the window's creation applies the look.
    void Start() {
        frame.reset();
        looks.clear();
        app = std::make_unique<CAppRules>(store, *this);
        app->SetRegistryKey("Local AppWizard-Generated Applications");
        frame = std::make_unique<CFrameRules>(*app, *this);
        frame->SetView(this);
        frame->OnApplicationLook(static_cast<int>(app->m_app_look));
        log.clear();
    }
    std::string StoredLook() const { return store.Get(kProfileKey, kLookValue); }
    // What the update pass shows: "x" disabled, else "+" marked, "-" unmarked, "" no mark.
    std::string State(int id) {
        CCmdUI ui(id);
        frame->OnUpdateCmdUI(ui);
        if (!ui.enabled) return "x";
        return ui.checked ? (*ui.checked ? "+" : "-") : "";
    }

    std::set<int> panel_takes{ID_COMM_SETTINGS, ID_CUSTOM_FILE};
    std::set<int> panel_disables;
    std::map<int, bool> bars{{AFX_IDW_STATUS_BAR, true}, {AFX_IDW_TOOLBAR, true}};
    std::vector<LookSelection> looks;
    Log log;
    FakeSettingsStore store;
    std::unique_ptr<CAppRules> app;
    std::unique_ptr<CFrameRules> frame;
};

TEST_F(ShellRules, CommandsGoToThePanelThenTheFrameThenTheApplication) {
    struct Case {
        int id;
        bool panel_takes_it;
        bool handled;
        const char* effect;  // what reached the window, the panel or the front-end
    };
    const Case cases[] = {
        {ID_COMM_SETTINGS, true, true, "panel"},
        {ID_VIEW_APPLOOK_WIN_2000, true, true, "panel"},
        {ID_APP_ABOUT, true, true, "panel"},
        {ID_APP_ABOUT, false, true, "about"},
        {ID_VIEW_CUSTOMIZE, false, true, "customize"},
        {ID_APP_EXIT, false, true, "close"},
        {ID_VIEW_STATUS_BAR, false, true, "bar 59393 off"},
        {ID_VIEW_TOOLBAR, false, true, "bar 59392 off"},
        {ID_USER_TOOLBAR_FIRST, false, false, ""},  // no such bar
        {ID_EDIT_CUT, false, false, ""},
    };
    for (const Case& c : cases) {
        panel_takes = c.panel_takes_it ? std::set<int>{c.id} : std::set<int>{};
        Start();
        EXPECT_EQ(frame->OnCmdMsg(c.id), c.handled) << c.id;
        EXPECT_EQ(log, *c.effect ? Log{c.effect} : Log{}) << c.id;
        EXPECT_EQ(looks.size(), 1u) << c.id;  // the start's only
    }
    // A command its handler disables is not run when chosen.
    panel_takes = {ID_COMM_SETTINGS, ID_CUSTOM_FILE};
    panel_disables = {ID_CUSTOM_FILE};
    Start();
    EXPECT_FALSE(frame->OnCommand(ID_CUSTOM_FILE));
    EXPECT_TRUE(frame->OnCommand(ID_COMM_SETTINGS));
    EXPECT_EQ(log, Log{"panel"});
}

TEST_F(ShellRules, UpdatePassEnablesAndMarks) {
    panel_takes.insert(ID_VIEW_APPLOOK_WIN_2000);  // the panel answers first
    Start();
    EXPECT_EQ(State(ID_VIEW_STATUS_BAR), "+");
    EXPECT_TRUE(frame->OnCommand(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(frame->OnCommand(ID_VIEW_USER_CONTROLS));
    bars[ID_USER_TOOLBAR_FIRST] = true;
    // The items not here are enabled and unmarked: the menu test's.
    const std::map<int, std::string> expected = {
        {ID_VIEW_APPLOOK_WIN_2000, ""}, {ID_VIEW_STATUS_BAR, "-"}, {ID_VIEW_TOOLBAR, "+"},
        {ID_USER_TOOLBAR_FIRST, "+"}, {ID_USER_TOOLBAR_FIRST + 1, "x"},
        {ID_VIEW_STANDARD_CONTROLS, "-"}, {ID_VIEW_USER_CONTROLS, "+"}, {ID_NEXT_PANE, "x"},
    };
    for (const auto& [id, state] : expected) EXPECT_EQ(State(id), state) << id;

    // The controls mode is the program run's: a new start shows standard controls again.
    Start();
    EXPECT_EQ(State(ID_VIEW_STANDARD_CONTROLS), "+");
    EXPECT_EQ(State(ID_VIEW_USER_CONTROLS), "-");
}

// The look comes from the profile at a start (210 when it holds none) or is chosen; it is
// applied, marked on its own item only, and stored as it is. An id without a look of its own
// selects Office 2007 in the style chosen last.
TEST_F(ShellRules, LookIsAppliedMarkedAndStored) {
    struct Step {
        const char* profile;  // a program start on this stored value ("": none); null: a choice
        int id;               // the look chosen, or the one a start must come to
        LookSelection applied;
    };
    const Step steps[] = {
        {"", ID_VIEW_APPLOOK_VS_2008, {VM::VS2008, res::kOffice2007Blue}},
        {nullptr, ID_VIEW_APPLOOK_OFF_2007_SILVER, {VM::Office2007, res::kOffice2007Silver}},
        {nullptr, ID_VIEW_APPLOOK_WIN_XP, {VM::WindowsXP, res::kOffice2007Silver}},
        {nullptr, 212, {VM::Office2007, res::kOffice2007Silver}},
        {nullptr, ID_VIEW_APPLOOK_OFF_2007_AQUA, {VM::Office2007, res::kOffice2007Aqua}},
        {"218", ID_VIEW_APPLOOK_OFF_2007_AQUA, {VM::Office2007, res::kOffice2007Aqua}},
        {"206", ID_VIEW_APPLOOK_OFF_XP, {VM::OfficeXP, res::kOffice2007Blue}},
        {"219", ID_VIEW_APPLOOK_WINDOWS_7, {VM::Windows7, res::kOffice2007Blue}},
        {"211", 211, {VM::Office2007, res::kOffice2007Blue}},
        {"-4", -4, {VM::Office2007, res::kOffice2007Blue}},
    };
    for (const Step& s : steps) {
        if (s.profile) {
            store.keys.clear();
            if (*s.profile) store.Put(kProfileKey, kLookValue, s.profile);
            Start();
        } else {
            EXPECT_TRUE(frame->OnCommand(s.id)) << s.id;
        }
        EXPECT_EQ(looks.back(), s.applied) << s.id;
        EXPECT_EQ(StoredLook(), std::to_string(s.id));
        EXPECT_EQ(app->m_app_look, static_cast<std::uint32_t>(s.id));
        for (const res::AppLook& look : res::kAppLooks) {
            EXPECT_EQ(State(look.command_id), look.command_id == s.id ? "+" : "-") << s.id;
        }
    }
}

// Every item of menu 128 with its handler: enabled, except the Edit commands nobody handles;
// mnemonics unique within each pop-up.
TEST_F(ShellRules, MenuItemsAreHandledAndTheirMnemonicsUnique) {
    Start();
    const std::set<int> unhandled = {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
    std::vector<std::span<const res::MenuItem>> menus = {res::kMainMenu};
    for (std::size_t i = 0; i < menus.size(); ++i) {
        std::set<char> mnemonics;
        for (const res::MenuItem& item : menus[i]) {
            if (item.kind == res::MenuItem::Kind::Popup) menus.push_back(item.items);
            if (item.kind == res::MenuItem::Kind::Command) {
                EXPECT_EQ(State(item.id) == "x", unhandled.count(item.id) == 1) << item.id;
            }
            const std::size_t amp = item.text.find('&');
            const char key = amp == std::string_view::npos ? 0 : item.text[amp + 1];
            EXPECT_TRUE(!key || mnemonics.insert(static_cast<char>(std::tolower(key))).second)
                << item.text;
        }
    }
}

// An entry's prompt is the part before its line break, its tooltip the part after.
TEST(ShellTables, PromptsAndTooltips) {
    const std::tuple<int, std::string_view, std::string_view> cases[] = {
        {ID_APP_ABOUT, "Display program information, version number and copyright", "About"},
        {ID_COMM_SETTINGS, "Change com port settings", ""},
        {ID_VIEW_APPLOOK_OFF_2007_BLUE, "", ""},  // no entry
    };
    for (const auto& [id, prompt, tooltip] : cases) {
        EXPECT_EQ(res::PromptFor(id), prompt) << id;
        EXPECT_EQ(res::TooltipFor(id), tooltip) << id;
    }
}

}  // namespace
}  // namespace kavel::test
