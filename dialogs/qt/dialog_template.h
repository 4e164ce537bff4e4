#pragma once
// Dialog templates: each control with its id, kind, text and rectangle in dialog units, in
// template order (which is also the tab order). A dialog is built from its table, and dialog
// units become pixels through the dialog font's base units: x by a quarter of the average
// character width, y by an eighth of the character height, as Win32 converts them, so that the
// dialogs have the same size in the Windows and the Linux build.

#include <span>
#include <string_view>

#include <QFont>
#include <QRect>

namespace kavel::dlg {

inline constexpr int kStaticId = -1;  // labels and texts that nothing addresses

enum class ControlKind {
    DefPushButton,  // push button drawn as a default button
    PushButton,
    DropDownCombo,  // drop-down list with an editable field, not sorted
    Edit,           // single-line edit box with a border, scrolls horizontally
    Label,          // left-aligned text on one line
    Text,           // left-aligned text that wraps
};

struct DlgRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct ControlTemplate {
    int id = kStaticId;
    std::string_view name;  // the id's symbolic name, used as the widget's object name
    ControlKind kind = ControlKind::Label;
    std::string_view text;
    DlgRect rect;
};

struct DialogTemplate {
    int id = 0;
    std::string_view title;
    int cx = 0;  // client size in dialog units
    int cy = 0;
    std::span<const ControlTemplate> controls;
};

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
