#include "dialogs/qt/dialog_template.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace kavel::dlg {
namespace {

// a * b / c rounded to the nearest integer (all operands non-negative here).
int MulDiv(int a, int b, int c) { return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c); }

}  // namespace

QFont DialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Shell Dlg"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

BaseUnits DialogBaseUnits(const QFont& font) {
    // The average width of the 52 letters, rounded, and the height of a character cell.
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(kAlphabet);
    return {(width / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const DlgRect& rect, BaseUnits units) {
    const int left = MulDiv(rect.x, units.x, 4);
    const int top = MulDiv(rect.y, units.y, 8);
    const int right = MulDiv(rect.x + rect.cx, units.x, 4);
    const int bottom = MulDiv(rect.y + rect.cy, units.y, 8);
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace kavel::dlg
