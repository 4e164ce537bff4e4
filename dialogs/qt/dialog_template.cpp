#include "dialogs/qt/dialog_template.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace kavel::dlg {

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
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return BaseUnitsFrom(metrics.horizontalAdvance(kAlphabet), metrics.height());
}

QRect MapDialogRect(const DlgRect& rect, BaseUnits units) {
    const PixelRect pixels = DialogUnitsToPixels(rect, units);
    return QRect(pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top);
}

}  // namespace kavel::dlg
