#pragma once
// Dialog units to pixels, as Win32 converts them: x by a quarter of the dialog font's average
// character width, y by an eighth of its character height, each edge of a rectangle on its
// own and rounded. The font's measures come from the front-end; the arithmetic is the same
// for every toolkit, so the dialogs have the same size everywhere.

#include "res/dialog_template.h"

namespace kavel::dlg {

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

// From the advance width of the 52 letters "A".."Z", "a".."z" and the character height.
BaseUnits BaseUnitsFrom(int alphabet_width, int char_height);

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

PixelRect DialogUnitsToPixels(const DlgRect& rect, BaseUnits units);

}  // namespace kavel::dlg
