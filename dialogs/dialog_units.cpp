#include "dialogs/dialog_units.h"

namespace kavel::dlg {
namespace {

constexpr int kLetters = 52;
constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;

// a * b / c rounded to the nearest integer (all operands non-negative here).
int MulDiv(int a, int b, int c) {
    return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

}  // namespace

BaseUnits BaseUnitsFrom(int alphabet_width, int char_height) {
    // The average width of the letters, rounded to the nearest pixel.
    return {(alphabet_width / (kLetters / 2) + 1) / 2, char_height};
}

PixelRect DialogUnitsToPixels(const DlgRect& rect, BaseUnits units) {
    return {MulDiv(rect.x, units.x, kUnitsPerBaseX), MulDiv(rect.y, units.y, kUnitsPerBaseY),
            MulDiv(rect.x + rect.cx, units.x, kUnitsPerBaseX),
            MulDiv(rect.y + rect.cy, units.y, kUnitsPerBaseY)};
}

}  // namespace kavel::dlg
