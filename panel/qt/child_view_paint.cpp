// Painting: the column labels, the status lines, the USB symbol and the group highlight, drawn
// at fixed client positions over the background of the current look.

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include "panel/qt/cell_height_font.h"
#include "panel/qt/child_view.h"
#include "panel/panel_colours.h"
#include "panel/panel_geometry.h"
#include "panel/panel_texts.h"

namespace kavel {
namespace {

// Text on a filled box of the background colour exactly as large as the text: its advance
// width by the font's cell height, with the top-left corner at the point.
void DrawOpaqueText(QPainter& dc, QPoint top_left, const QString& text, const QColor& background) {
    const QFontMetrics metrics = dc.fontMetrics();
    dc.fillRect(QRect(top_left, QSize(metrics.horizontalAdvance(text), metrics.height())),
                background);
    dc.drawText(top_left + QPoint(0, metrics.ascent()), text);
}

}  // namespace

void CChildView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);  // the sunken edge
    OnPaint();
}

void CChildView::OnPaint() {
    // Every paint makes these visible again, whatever hid them.
    for (int i = 0; i < static_cast<int>(kParameters.size()); ++i) ScrollBar(i)->setVisible(true);
    for (int i = 0; i < static_cast<int>(kParameters.size()); ++i) Edit(i)->setVisible(true);
    m_auto_send_check->setVisible(true);
    m_send_all_button->setVisible(true);

    QPainter dc(this);
    dc.setClipRect(contentsRect());
    dc.translate(ClientOrigin());
    PaintLabels(dc);
    PaintStatusLines(dc);
    PaintUsbSymbol(dc);
    PaintHighlight(dc);
}

void CChildView::PaintLabels(QPainter& dc) const {
    dc.setFont(CellHeightFont(fonts::kLabelCellHeight));
    dc.setPen(colours::kText);
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        const std::string_view label = kParameters[i].label;
        DrawOpaqueText(dc, geometry::kLabelOrigins[i],
                       QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
                       colours::kLabelBackground);
    }
}

void CChildView::PaintStatusLines(QPainter& dc) const {
    dc.setFont(CellHeightFont(fonts::kStatusCellHeight));
    dc.setPen(colours::kText);
    const std::array<const QString*, 3> lines = {&m_status1, &m_status2, &m_status3};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        DrawOpaqueText(dc, geometry::kStatusOrigins[i], *lines[i], colours::kStatusBackground);
    }
}

// The picture at its own size; nothing when it cannot be loaded.
void CChildView::PaintUsbSymbol(QPainter& dc) const {
    const QPixmap picture(QString::fromUtf8(m_connected ? panel_texts::kUsbConnectedImage
                                                             : panel_texts::kUsbDisconnectedImage));
    if (!picture.isNull()) dc.drawPixmap(geometry::kUsbOrigin, picture);
}

// A selection outside 0 .. 8 (negative ones included) becomes the default group first.
void CChildView::PaintHighlight(QPainter& dc) {
    if (static_cast<unsigned>(m_selected) >= static_cast<unsigned>(kGroupCount)) {
        m_selected = kDefaultGroup;
    }
    const geometry::HighlightBars& bars =
        geometry::kHighlightBars[static_cast<std::size_t>(m_selected)];
    for (int i = 0; i < bars.count; ++i) {
        dc.fillRect(bars.rects[static_cast<std::size_t>(i)], colours::kHighlight);
    }
}

}  // namespace kavel
