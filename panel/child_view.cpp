#include "panel/child_view.h"

#include "panel/panel_texts.h"

namespace kavel {

CChildView::CChildView(const Services& services, QWidget* parent)
    : QWidget(parent),
      SerialLink(services.serial, services.settings, services.messages, services.sleeper),
      m_status1(panel_texts::kStatus1Initial),
      m_status2(panel_texts::kStatus2Initial),
      m_status3(panel_texts::kStatus3Initial),
      m_services(services) {}

// The SerialLink base closes a held port handle.
CChildView::~CChildView() = default;

bool CChildView::OnCmdMsg(int) { return false; }

int CChildView::SendCommand(char letter, int value) {
    const SendReport report = Send(letter, value, m_connected != 0);
    m_status3 = QString::fromStdString(report.status3);
    update();
    return report.result;
}

}  // namespace kavel
