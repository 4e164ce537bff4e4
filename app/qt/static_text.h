#pragma once
#include <QString>
#include <QWidget>

namespace kavel {

// Tab stops every this many average characters.
inline constexpr int kTabStopChars = 8;

// A static text: left-aligned, tabs expanded every eight average characters, words wrapped
// inside its rectangle and whatever does not fit cut off.
class StaticText : public QWidget {
    Q_OBJECT

public:
    StaticText(const QString& text, QWidget* parent);
    const QString& text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

}  // namespace kavel
