#pragma once
// Dialog units to pixels, through the dialog font: 4 horizontal units are the font's average
// character width and 8 vertical units its character height.

#include <QFont>
#include <QRect>

namespace kavel {

struct DialogBaseUnits {
    int cx = 0;  // average width of the letters A-Z and a-z, rounded
    int cy = 0;  // character cell height
};

// The dialog font: "MS Shell Dlg" at 8 points (11 pixels at 96 dots per inch), or the nearest
// sans-serif face the system has.
QFont DialogFont();
DialogBaseUnits BaseUnitsOf(const QFont& font);
// Converts the rectangle's edges one by one, rounding, as the dialog manager does.
QRect MapDialogRect(const DialogBaseUnits& units, int x, int y, int width, int height);

}  // namespace kavel
