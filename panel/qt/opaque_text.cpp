#include "panel/qt/opaque_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace kavel {

void OpaqueText::Layout(const QPainter& dc, const QString& text) {
    const QFontMetrics metrics = dc.fontMetrics();
    m_text = text;
    m_font = dc.font();
    m_width = metrics.horizontalAdvance(text);
    m_height = metrics.height();
    m_glyphs.setText(text);
    m_glyphs.setTextFormat(Qt::PlainText);
    m_glyphs.prepare(QTransform(), m_font);
    m_laid_out = true;
}

void OpaqueText::Draw(QPainter& dc, QPoint top_left, const QString& text,
                      const QColor& background) {
    if (!m_laid_out || text != m_text || dc.font() != m_font) Layout(dc, text);
    dc.fillRect(QRect(top_left, QSize(m_width, m_height)), background);
    dc.drawStaticText(top_left, m_glyphs);
}

}  // namespace kavel
