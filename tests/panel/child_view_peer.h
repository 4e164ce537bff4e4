#pragma once
// The tests' view of the control panel's private state, under the members' own names:
// Peer(panel).m_status1, Peer(panel).m_left_scroll, ...

#include <QCheckBox>
#include <QPushButton>
#include <QString>

#include "core/parameters.h"
#include "panel/qt/child_view.h"

namespace kavel {

class ChildViewPeer {
public:
    explicit ChildViewPeer(CChildView& view)
        : m_left_scroll(view.m_columns[kLeftTime].scroll),
          m_right_scroll(view.m_columns[kRightTime].scroll),
          m_duty_scroll(view.m_columns[kDutyCycle].scroll),
          m_smooth_scroll(view.m_columns[kSmoothStart].scroll),
          m_offtime_scroll(view.m_columns[kOffTime].scroll),
          m_left_edit(view.m_columns[kLeftTime].edit),
          m_right_edit(view.m_columns[kRightTime].edit),
          m_duty_edit(view.m_columns[kDutyCycle].edit),
          m_smooth_edit(view.m_columns[kSmoothStart].edit),
          m_offtime_edit(view.m_columns[kOffTime].edit),
          m_auto_send_check(view.m_auto_send_check),
          m_auto_send(view.m_auto_send),
          m_send_all_button(view.m_send_all_button),
          m_start_button(view.m_start_button),
          m_stop_button(view.m_stop_button),
          m_status1(view.m_status1),
          m_status2(view.m_status2),
          m_status3(view.m_status3),
          m_connected(view.m_connected),
          m_selected(view.m_selected),
          m_link(view.m_link) {}

    PanelScrollBar* const& m_left_scroll;
    PanelScrollBar* const& m_right_scroll;
    PanelScrollBar* const& m_duty_scroll;
    PanelScrollBar* const& m_smooth_scroll;
    PanelScrollBar* const& m_offtime_scroll;
    NumberEdit* const& m_left_edit;
    NumberEdit* const& m_right_edit;
    NumberEdit* const& m_duty_edit;
    NumberEdit* const& m_smooth_edit;
    NumberEdit* const& m_offtime_edit;
    QCheckBox* const& m_auto_send_check;
    const bool& m_auto_send;
    QPushButton* const& m_send_all_button;
    QPushButton* const& m_start_button;
    QPushButton* const& m_stop_button;
    QString& m_status1;
    QString& m_status2;
    QString& m_status3;  // tests put long lines here
    const bool& m_connected;
    int& m_selected;  // tests put out-of-range groups here, as a stray value would
    const SerialLink& m_link;
};

inline ChildViewPeer Peer(CChildView& view) { return ChildViewPeer(view); }

}  // namespace kavel
