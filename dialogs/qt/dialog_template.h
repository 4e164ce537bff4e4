#pragma once
// Dialog units to pixels in the Qt front-end: the dialog font and its base units, x by a
// quarter of the average character width and y by an eighth of the character height, as
// Win32 converts them, so that the dialogs have the same size in the Windows and the Linux
// build.

#include <QFont>
#include <QRect>

#include "res/dialog_template.h"

namespace kavel::dlg {

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

// The dialog font: "MS Shell Dlg" at 8 points (11 pixels at 96 dots per inch), or the nearest
// sans-serif face the system has.
QFont DialogFont();
BaseUnits DialogBaseUnits(const QFont& font);
// A rectangle in dialog units to pixels: its four edges are converted one by one, with rounding.
QRect MapDialogRect(const DlgRect& rect, BaseUnits units);

}  // namespace kavel::dlg
