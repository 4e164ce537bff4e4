#pragma once
// Dialog units to pixels in the Qt front-end: the dialog font, its base units measured with
// Qt's font metrics, and rectangles converted as Win32 converts them, so that the dialogs
// have the same size in the Windows and the Linux build.

#include <QFont>
#include <QRect>

#include "dialogs/dialog_units.h"

namespace kavel::dlg {

// The dialog font: "MS Shell Dlg" at 8 points (11 pixels at 96 dots per inch), or the nearest
// sans-serif face the system has.
QFont DialogFont();
BaseUnits DialogBaseUnits(const QFont& font);
QRect MapDialogRect(const DlgRect& rect, BaseUnits units);

}  // namespace kavel::dlg
