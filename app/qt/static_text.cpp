#include "app/qt/static_text.h"

#include <QPainter>
#include <QTextLayout>

namespace kavel {

StaticText::StaticText(const QString& text, QWidget* parent) : QWidget(parent), m_text(text) {}

void StaticText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(palette().color(QPalette::WindowText));
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    option.setTabStopDistance(kTabStopChars * fontMetrics().averageCharWidth());
    QTextLayout layout(m_text, font());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    while (y < height()) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    layout.draw(&painter, QPointF(0, 0));
}

}  // namespace kavel
