// Painting: the column labels, the status lines, the USB symbol and the group highlight, drawn
// at fixed client positions over the background of the current look.

#include <QPainter>
#include <QPixmap>

#include "panel/panel_colours.h"
#include "panel/panel_geometry.h"
#include "panel/qt/cell_height_font.h"
#include "panel/qt/child_view.h"
#include "panel/qt/plain_to_qt.h"
#include "res/resource_ids.h"

namespace kavel {
namespace {

// The USB symbol's pictures (res/panel.qrc) by resource id.
QString UsbPicture(int bitmap_id) {
    return bitmap_id == ids::IDB_USB_CONNECTED ? QStringLiteral(":/images/usb_connected.png")
                                               : QStringLiteral(":/images/usb_disconnected.png");
}

}  // namespace

void CChildView::paintEvent(QPaintEvent*) {
    PaintEdge();
    OnPaint();
}

// The sunken client edge as QFrame draws a sunken WinPanel (two lines of the palette's shades
// on each side), as eight filled strips: the same pixels for a fraction of the drawing work.
void CChildView::PaintEdge() {
    const QPalette& shades = palette();
    const QRect r = rect();
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    if (w < 2 || h < 2) return;
    QPainter dc(this);
    // Outer ring: dark above and left, light below and right.
    dc.fillRect(QRect(x, y, 1, h - 1), shades.dark());
    dc.fillRect(QRect(x, y, w - 1, 1), shades.dark());
    dc.fillRect(QRect(x, y + h - 1, w, 1), shades.light());
    dc.fillRect(QRect(x + w - 1, y, 1, h), shades.light());
    if (w <= 4 || h <= 4) return;
    // Inner ring: shadow above and left, midlight below and right.
    dc.fillRect(QRect(x + 1, y + 1, 1, h - 3), shades.shadow());
    dc.fillRect(QRect(x + 1, y + 1, w - 3, 1), shades.shadow());
    dc.fillRect(QRect(x + 1, y + h - 2, w - 2, 1), shades.midlight());
    dc.fillRect(QRect(x + w - 2, y + 1, 1, h - 2), shades.midlight());
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

void CChildView::PaintLabels(QPainter& dc) {
    dc.setFont(CellHeightFont(fonts::kLabelCellHeight));
    dc.setPen(ToQt(colours::kText));
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        const std::string_view label = kParameters[i].label;
        m_label_texts[i].Draw(dc, ToQt(geometry::kLabelOrigins[i]),
                              QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
                              ToQt(colours::kLabelBackground));
    }
}

void CChildView::PaintStatusLines(QPainter& dc) {
    dc.setFont(CellHeightFont(fonts::kStatusCellHeight));
    dc.setPen(ToQt(colours::kText));
    const std::array<const std::string*, 3> lines = {&m_panel.m_status1, &m_panel.m_status2,
                                                     &m_panel.m_status3};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        m_status_texts[i].Draw(dc, ToQt(geometry::kStatusOrigins[i]),
                               QString::fromStdString(*lines[i]), ToQt(colours::kStatusBackground));
    }
}

// The picture at its own size; nothing when it cannot be loaded.
void CChildView::PaintUsbSymbol(QPainter& dc) const {
    const QPixmap picture(UsbPicture(m_panel.UsbBitmap()));
    if (!picture.isNull()) dc.drawPixmap(ToQt(geometry::kUsbOrigin), picture);
}

void CChildView::PaintHighlight(QPainter& dc) {
    for (const Rect& bar : m_panel.HighlightBarsToPaint()) {
        dc.fillRect(ToQt(bar), ToQt(colours::kHighlight));
    }
}

}  // namespace kavel
