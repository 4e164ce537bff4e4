#pragma once
// One line of text the panel paints on a filled box of its own size (its advance width by the
// font's cell height), laid out once: the glyphs and the box are kept and redrawn as they are
// until the text or the font changes, since the panel repaints far more often than its texts
// change.

#include <QFont>
#include <QStaticText>
#include <QString>

class QColor;
class QPainter;
class QPoint;

namespace kavel {

class OpaqueText {
public:
    // Draws the text in the painter's font and pen with the box's top-left corner at the point.
    void Draw(QPainter& dc, QPoint top_left, const QString& text, const QColor& background);

private:
    void Layout(const QPainter& dc, const QString& text);

    QString m_text;
    QFont m_font;
    QStaticText m_glyphs;
    int m_width = 0;
    int m_height = 0;
    bool m_laid_out = false;
};

}  // namespace kavel
