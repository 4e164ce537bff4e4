// The panel's rules against a window that only records and the fake platform services: one
// table per input, and a long random run. Scroll clamps and group steps are the parameter
// arithmetic's own tests (core); here what the panel does with them.

#include "panel/control_panel.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <regex>

#include "core/port_settings_record.h"
#include "panel/panel_geometry.h"
#include "res/resource_ids.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

using Cmds = std::vector<std::string>;
constexpr Point kOnUsb{75, 445};
const std::string kNotConnected =
    "1. Can't send, the comm port is not connected|2. Click on the USB symbol to connect|3. ...";
constexpr char kLinkRefusal[] = "3. Can't send, the comms port is not open";

class FakeWindow final : public IPanelWindow {
public:
    void SetThumb(int p, int position) override { thumbs.at(std::size_t(p)) = position; }
    void SetEditText(int p, const std::string& text) override { edits.at(std::size_t(p)) = text; }
    std::string EditText(int p) const override { return edits.at(std::size_t(p)); }
    void SetAutoSendCheck(bool on) override { checked = on; }
    bool AutoSendChecked() const override { return checked; }
    void RepaintNow() override { on_repaint(); }
    void Invalidate() override {}
    void OnCommSettings() override { dialogs.push_back(ids::ID_COMM_SETTINGS); }
    void OnCustomFile() override { dialogs.push_back(ids::ID_CUSTOM_FILE); }

    std::array<int, kParameters.size()> thumbs{};
    std::array<std::string, kParameters.size()> edits;
    bool checked = false;
    std::function<void()> on_repaint = [] {};
    std::vector<int> dialogs;
};

// A created and sized panel whose stored port is "Com5", connected if asked.
struct Rig {
    explicit Rig(bool connect = false) {
        fakes.settings.Put(std::string(record::kKeyPath), std::string(record::kPort), "Com5");
        panel.OnCreate();
        panel.OnSize();
        if (connect) panel.OnLButtonDown(kOnUsb);
        EXPECT_EQ(panel.m_connected, connect);
    }
    // Puts the thumb where it gives this value, sending nothing.
    void SetValue(int p, int value) {
        const bool checked = std::exchange(window.checked, false);
        panel.OnVScroll(kThumbPosition, ScrollLimit(kParameters[std::size_t(p)].maximum) - value,
                        kParameters[std::size_t(p)].scroll_id);
        window.checked = checked;
    }
    std::string Status() const {
        return panel.m_status1 + "|" + panel.m_status2 + "|" + panel.m_status3;
    }
    const Cmds& Writes() const { return fakes.serial.writes; }

    FakeServices fakes;
    FakeWindow window;
    ControlPanel panel{window, fakes.services()};
};

TEST(PanelRules, EveryScrollCodeShowsTheValueAndSendsItWhenAutoSendIsOn) {
    struct Row {
        int p, value, code, pos;
        bool auto_send, connected;
        int after;
        Cmds sent;
        std::string status3;
    };
    const Row rows[] = {
        {kLeftTime, 61, kLineUp, 0, true, true, 62, {"l162"}, "3.  4 bytes sent - l162"},
        {kDutyCycle, 101, kLineUp, 0, true, true, 101, {"y201"}, "3.  4 bytes sent - y201"},
        {kOffTime, 501, kTop, 0, true, true, 1001, {"o1101"}, "3.  5 bytes sent - o1101"},
        {kLeftTime, 61, kThumbTrack, 0, true, true, 151, {"l251"}, "3.  4 bytes sent - l251"},
        {kLeftTime, 61, kThumbPosition, 500, true, true, 1, {"l101"}, "3.  4 bytes sent - l101"},
        {kSmoothStart, 61, kThumbTrack, -3, true, true, 151, {"m251"}, "3.  4 bytes sent - m251"},
        {kRightTime, 70, kEndScroll, 20, true, true, 70, {"r170"}, "3.  4 bytes sent - r170"},
        {kRightTime, 70, 99, 20, true, true, 70, {"r170"}, "3.  4 bytes sent - r170"},
        {kLeftTime, 61, kLineUp, 0, false, true, 62, {}, "3. Left click 75 445 "},
        {kLeftTime, 61, kLineUp, 0, true, false, 62, {}, kLinkRefusal},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "code " << row.code << " on " << row.p);
        Rig r(row.connected);
        r.SetValue(row.p, row.value);
        r.window.checked = row.auto_send;
        r.panel.OnVScroll(row.code, row.pos, kParameters[std::size_t(row.p)].scroll_id);
        EXPECT_EQ(r.panel.Value(row.p), row.after);
        EXPECT_EQ(r.window.thumbs[std::size_t(row.p)], r.panel.Thumb(row.p));
        EXPECT_EQ(r.window.edits[std::size_t(row.p)], std::to_string(row.after));
        EXPECT_EQ(r.Writes(), row.sent);
        EXPECT_EQ(r.panel.m_status3, row.status3);
    }
}

// The thumb stops at its track's end, the number goes out as typed (the duty cycle held to
// 0 .. 100), and the box keeps the text. Enter with the focus elsewhere is the Qt tests'.
TEST(PanelRules, EnterInAnEditBoxMovesTheThumbAndSendsTheTypedNumber) {
    struct Row {
        int p;
        const char* text;
        bool auto_send, connected;
        int thumb;
        Cmds sent;
    };
    const Row rows[] = {
        {kLeftTime, "500", true, true, 0, {"l600"}},
        {kDutyCycle, "250", true, true, 1, {"y200"}},
        {kDutyCycle, "-7", true, true, 100, {"y100"}},
        {kSmoothStart, "20", true, true, 131, {"m120"}},
        {kRightTime, "abc", true, true, 150, {"r100"}},
        {kOffTime, "2147483647", true, true, 0, {"o2147483647"}},  // held at the int limit
        {kLeftTime, "-2147483648", true, true, 150, {"l-2147483548"}},
        {kLeftTime, "100", false, true, 51, {}},
        {kLeftTime, "20", true, false, 131, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Rig r(row.connected);
        r.window.checked = row.auto_send;
        r.window.edits[std::size_t(row.p)] = row.text;
        r.panel.OnEnterKey(kParameters[std::size_t(row.p)].edit_id);
        EXPECT_EQ(r.window.thumbs[std::size_t(row.p)], row.thumb);
        EXPECT_EQ(r.Writes(), row.sent);
        EXPECT_EQ(r.window.edits[std::size_t(row.p)], row.text);
        if (!row.connected) {
            EXPECT_EQ(r.Status(), kNotConnected);
        }
    }
}

// Button 1 steps down, 2 up, every member in order by one move (at a bound, none) and shown;
// group 8 is Stop and Start; a stray selection becomes 5 and does nothing else.
TEST(PanelRules, SideButtonsStepTheSelectedGroupAndSendEveryMember) {
    struct Row {
        int selected, button;
        std::vector<std::pair<int, int>> values;
        Cmds sent;
    };
    const Row rows[] = {
        {0, 1, {{kLeftTime, 1}}, {"l101"}},
        {3, 1, {{kSmoothStart, 6}}, {"m101"}},
        {6, 2, {{kLeftTime, 145}, {kRightTime, 61}}, {"l251", "r167"}},
        {7, 1, {{kLeftTime, 30}, {kRightTime, 5}, {kDutyCycle, 50}}, {"l126", "r101", "y146"}},
        {8, 2, {}, {"s120"}},
        {8, 1, {}, {"s110"}},
        {8, 3, {}, {}},
        {-4, 2, {}, {}},
        {9, 1, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "group " << row.selected << " button " << row.button);
        Rig r(true);
        for (const auto& [p, value] : row.values) r.SetValue(p, value);
        r.panel.m_selected = row.selected;
        r.panel.OnXButtonDown(row.button, {});
        EXPECT_EQ(r.Writes(), row.sent);
        EXPECT_EQ(r.panel.m_selected, row.selected >= 0 && row.selected <= 8 ? row.selected : 5);
        for (std::size_t p = 0; p < kParameters.size(); ++p) {  // every box shows its thumb's value
            EXPECT_EQ(r.window.edits[p], std::to_string(r.panel.Value(int(p))));
            EXPECT_EQ(r.window.thumbs[p], r.panel.Thumb(int(p)));
        }
    }
    Rig r;  // not connected: groups move and the link refuses; Start and Stop refuse first
    r.panel.OnXButtonDown(2, {});
    EXPECT_EQ(r.window.edits[kLeftTime], "71");
    EXPECT_EQ(r.panel.m_status3, kLinkRefusal);
    r.panel.m_selected = 8;
    r.panel.OnXButtonDown(2, {});
    EXPECT_EQ(r.Status(), kNotConnected);
}

TEST(PanelRules, TheRightButtonCyclesTheGroupsAndPaintingMendsAStrayOne) {
    Rig r;
    for (const auto& [from, to] :
         std::vector<std::pair<int, int>>{{0, 1}, {7, 8}, {8, 0}, {INT_MAX, 0}, {-3, -2}}) {
        r.panel.m_selected = from;
        r.panel.OnRButtonDown({});
        EXPECT_EQ(r.panel.m_selected, to) << from;
    }
    for (const auto& [from, to] :
         std::vector<std::pair<int, int>>{{0, 0}, {8, 8}, {9, 5}, {-1, 5}, {INT_MIN, 5}}) {
        r.panel.m_selected = from;
        EXPECT_EQ(r.panel.HighlightBarsToPaint().data(),
                  geometry::kHighlightBars[std::size_t(to)].rects.data());
        EXPECT_EQ(r.panel.m_selected, to) << from;
    }
}

// Send All's pauses are the end-to-end test's.
TEST(PanelRules, CommandsSendAllStartAndStopNeedAConnectionButNotAutoSend) {
    Rig r;
    for (const int id : {ids::IDC_SENDALL, ids::IDC_START, ids::IDC_STOP}) {
        r.panel.m_status1.clear();
        CCmdUI ui(id);
        EXPECT_TRUE(r.panel.OnCmdMsg(id) && r.panel.OnUpdateCmdUI(ui) && ui.enabled);
        EXPECT_EQ(r.Status(), kNotConnected) << id;
    }
    EXPECT_TRUE(r.Writes().empty() && r.fakes.sleeper.pauses.empty());
    r.panel.OnLButtonDown(kOnUsb);
    r.window.checked = false;
    r.window.edits[kLeftTime] = "99";  // typed without Enter: not sent
    for (const int id : {ids::IDC_SENDALL, ids::IDC_START, ids::IDC_STOP}) r.panel.OnCmdMsg(id);
    EXPECT_EQ(r.Writes(), (Cmds{"l161", "r161", "y131", "m106", "o601", "s120", "s110"}));
    for (const int id : {ids::ID_COMM_SETTINGS, ids::ID_CUSTOM_FILE})
        EXPECT_TRUE(r.panel.OnCmdMsg(id));
    EXPECT_EQ(r.window.dialogs, (std::vector<int>{ids::ID_COMM_SETTINGS, ids::ID_CUSTOM_FILE}));
    CCmdUI other(ids::IDC_AUTOSEND);
    EXPECT_FALSE(r.panel.OnUpdateCmdUI(other) || other.handled || r.panel.OnCmdMsg(0));
}

// The member follows the check box only at a scroll code, at Enter and after a side button,
// which sends whatever it holds.
TEST(PanelRules, AutoSendIsReadFromTheCheckBoxAtThreePointsOnly) {
    Rig r(true);
    r.window.checked = false;
    r.panel.OnSendAll();
    r.panel.OnRButtonDown({});
    r.panel.OnLButtonDown({700, 300});
    r.panel.OnSize();
    r.panel.HighlightBarsToPaint();
    EXPECT_TRUE(r.panel.m_auto_send);
    r.panel.OnEnterKey(ids::IDC_STOP);
    EXPECT_FALSE(r.panel.m_auto_send);
    r.window.checked = true;
    r.panel.OnVScroll(kEndScroll, 0, 4711);  // no scroll bar of the panel's
    EXPECT_TRUE(r.panel.m_auto_send);
    r.window.checked = false;
    r.fakes.serial.writes.clear();
    r.panel.m_selected = 0;
    r.panel.OnXButtonDown(2, {});
    EXPECT_EQ(r.Writes(), (Cmds{"l171"}));
    EXPECT_FALSE(r.panel.m_auto_send);
}

// Line 1 says "Connecting" before the connect's pauses; a failed connect leaves the handle
// for the next click; a disconnect stands whatever the close returns.
TEST(PanelRules, TheSymbolsInclusiveSquareConnectsAndDisconnectsAndEveryLeftClickIsReported) {
    Rig r;
    const std::vector<std::pair<Point, bool>> clicks = {{{101, 470}, false}, {{100, 471}, false},
                                                        {{49, 445}, false},  {{75, 419}, false},
                                                        {{100, 470}, true},  {{50, 420}, true}};
    for (const auto& [point, on_symbol] : clicks) {
        const bool before = r.panel.m_connected;
        r.panel.OnLButtonDown(point);
        EXPECT_EQ(r.panel.m_connected != before, on_symbol) << point.x << "," << point.y;
        EXPECT_EQ(r.panel.m_status3,
                  "3. Left click " + std::to_string(point.x) + " " + std::to_string(point.y) + " ");
    }
    std::string before_the_pauses;
    r.window.on_repaint = [&] {
        before_the_pauses = r.fakes.sleeper.pauses.empty() ? r.panel.m_status1 : "";
    };
    r.fakes.sleeper.pauses.clear();
    r.fakes.serial.Fail(SerialStep::SetState);
    r.panel.OnLButtonDown(kOnUsb);
    EXPECT_EQ(before_the_pauses, "1. Connecting please wait");
    EXPECT_EQ(r.Status(), "1. Connect|2. Connect failed|3. Left click 75 445 ");
    r.fakes.serial.Succeed(SerialStep::SetState);
    r.panel.OnLButtonDown(kOnUsb);
    EXPECT_EQ(r.Status(), "1. Connect|2. Connected|3. Left click 75 445 ");
    EXPECT_EQ(r.fakes.serial.opened_paths, (Cmds{"//./Com5", "//./Com5"}));
    r.fakes.serial.Fail(SerialStep::Close);
    r.panel.OnLButtonDown(kOnUsb);
    EXPECT_EQ(r.Status(), "1. Disconnect|2. Disconnected|3. Left click 75 445 ");
    EXPECT_FALSE(r.panel.m_connected || r.panel.m_link.m_port_open);
}

// Everything a user can do, at random: thumbs stay in range and the window shows each where
// the rules hold it, a selection is always paintable, and every command is well formed.
TEST(PanelRules, ARandomRunKeepsEveryThumbInRangeAndEveryCommandWellFormed) {
    Rig r;
    std::mt19937 random(20240607);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const char* const texts[] = {"0", "151", "-1", "99999999999", "abc", "", "-2147483648", " 42x"};
    for (int step = 0; step < 3000; ++step) {
        const Parameter& parameter = kParameters[std::size_t(pick(5))];
        const int what = pick(8);
        if (what == 0) r.panel.OnVScroll(pick(12) - 1, pick(3000) - 1000, parameter.scroll_id);
        if (what == 1) {
            r.window.edits[std::size_t(pick(5))] =
                pick(2) ? texts[pick(8)] : std::to_string(pick(3000) - 500);
            r.panel.OnEnterKey(parameter.edit_id);
        }
        if (what == 2) r.panel.OnXButtonDown(pick(4), {});
        if (what == 3) r.panel.OnRButtonDown({});
        if (what == 4) {
            if (pick(3) == 0) r.fakes.serial.Fail(SerialStep::SetState);
            r.panel.OnLButtonDown(pick(2) ? kOnUsb : Point{pick(820), pick(580)});
            r.fakes.serial.Succeed(SerialStep::SetState);
        }
        if (what == 5) r.panel.OnCmdMsg(ids::IDC_SENDALL + pick(3));
        if (what == 6) r.window.checked = !r.window.checked;
        if (what == 7) r.panel.m_selected = pick(3) == 0 ? pick(40) - 20 : r.panel.m_selected;
        if (pick(4) == 0) {
            r.panel.HighlightBarsToPaint();
            ASSERT_TRUE(r.panel.m_selected >= 0 && r.panel.m_selected <= 8) << step;
        }
        for (std::size_t i = 0; i < kParameters.size(); ++i) {
            ASSERT_TRUE(r.panel.Thumb(int(i)) >= kScrollMinimum &&
                        r.panel.Thumb(int(i)) <= kParameters[i].maximum);
            ASSERT_EQ(r.window.thumbs[i], r.panel.Thumb(int(i))) << step;
        }
    }
    EXPECT_GT(r.Writes().size(), 300u);
    const std::regex command("[lrymos]-?[0-9]+");
    for (const std::string& w : r.Writes()) EXPECT_TRUE(std::regex_match(w, command)) << w;
}

}  // namespace
}  // namespace kavel::test
