#pragma once
// The tests' view of the Qt panel's controls and its rules' state, under the members' own
// names: Peer(panel).m_status1, Peer(panel).m_left_scroll, ...

#include "panel/qt/child_view.h"

namespace kavel {

struct ChildViewPeer {
    PanelScrollBar *m_left_scroll, *m_right_scroll, *m_duty_scroll, *m_smooth_scroll,
        *m_offtime_scroll;
    NumberEdit *m_left_edit, *m_right_edit, *m_duty_edit, *m_smooth_edit, *m_offtime_edit;
    QCheckBox* m_auto_send_check;
    QPushButton *m_send_all_button, *m_start_button, *m_stop_button;
    ControlPanel& m_panel;
    std::string &m_status1, &m_status2, &m_status3;  // tests put long lines here
    const bool& m_connected;
    int& m_selected;  // tests put out-of-range groups here, as a stray value would

    static ChildViewPeer Of(CChildView& v) {
        const auto& c = v.m_columns;
        ControlPanel& p = v.m_panel;
        return {c[0].scroll,      c[1].scroll,         c[2].scroll,
                c[3].scroll,      c[4].scroll,         c[0].edit,
                c[1].edit,        c[2].edit,           c[3].edit,
                c[4].edit,        v.m_auto_send_check, v.m_send_all_button,
                v.m_start_button, v.m_stop_button,     p,
                p.m_status1,      p.m_status2,         p.m_status3,
                p.m_connected,    p.m_selected};
    }
};

inline ChildViewPeer Peer(CChildView& view) {
    return ChildViewPeer::Of(view);
}

}  // namespace kavel
