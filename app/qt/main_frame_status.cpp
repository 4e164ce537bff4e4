// The status bar: the message pane and the three lock-key indicators.

#include <QLabel>
#include <QStatusBar>

#include "app/qt/lock_keys.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_resources.h"
#include "res/resource_ids.h"

namespace kavel {
namespace {

using namespace ids;

constexpr int kIndicatorIds[] = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

}  // namespace

void CMainFrame::CreateStatusBar() {
    m_status_bar = new QStatusBar(this);
    m_status_bar->setObjectName(QString::number(AFX_IDW_STATUS_BAR));
    m_message_pane = new QLabel(LoadString(AFX_IDS_IDLEMESSAGE), m_status_bar);
    m_message_pane->setObjectName(QStringLiteral("0"));
    m_status_bar->addWidget(m_message_pane, 1);
    for (std::size_t i = 0; i < m_indicators.size(); ++i) {
        const int id = kIndicatorIds[i];
        auto* pane = new QLabel(m_status_bar);
        pane->setObjectName(QString::number(id));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(LoadString(id)) + 12);
        m_status_bar->addPermanentWidget(pane);
        m_indicators[i] = pane;
    }
    setStatusBar(m_status_bar);
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators() {
    const std::optional<LockKeys> keys = QueryLockKeys();
    const bool on[] = {keys && keys->caps, keys && keys->num, keys && keys->scroll};
    for (std::size_t i = 0; i < m_indicators.size(); ++i) {
        if (!m_indicators[i]) continue;
        const QString text = on[i] ? LoadString(kIndicatorIds[i]) : QString();
        if (m_indicators[i]->text() != text) m_indicators[i]->setText(text);
    }
}

}  // namespace kavel
