#pragma once
// Dialog templates as plain tables: each control with its id, kind, text and rectangle in
// dialog units, in template order (which is also the tab order). Every front-end builds its
// dialogs from the same tables; dialog units become pixels through the dialog font's base
// units (x by a quarter of the average character width, y by an eighth of the character
// height), so the dialogs have the same size everywhere.

#include <span>
#include <string_view>

namespace kavel::dlg {

inline constexpr int kStaticId = -1;  // labels and texts that nothing addresses

enum class ControlKind {
    DefPushButton,  // push button drawn as a default button
    PushButton,
    DropDownCombo,  // drop-down list with an editable field, not sorted
    Edit,           // single-line edit box with a border, scrolls horizontally
    Label,          // left-aligned text on one line
    Text,           // left-aligned text that wraps
    Icon,           // an icon; its text names the icon resource ("#128": resource 128)
    TextNoPrefix,   // left-aligned text that wraps, "&" shown as it stands
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

}  // namespace kavel::dlg
