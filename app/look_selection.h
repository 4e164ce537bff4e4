#pragma once
// Which look a look command selects: the visual manager and, for Office 2007, the style; and
// the colours a selection is drawn in.

#include "res/app_looks.h"

namespace kavel {

struct LookSelection {
    res::VisualManager manager = res::VisualManager::VS2008;
    int office2007_style = res::kOffice2007Blue;
    bool operator==(const LookSelection&) const = default;
};

// The look commands: every id from the lowest to the highest look's.
bool IsLookCommand(int id);

// What a look command selects after `current`: a known look its manager, and its style where
// it has one; any other id (a stored value from elsewhere) the Office 2007 manager in the
// style selected before.
LookSelection SelectLook(int id, LookSelection current);

// The colours of a selection: its manager's look, for Office 2007 the style's (blue when the
// style names none).
const res::LookColours& ColoursOf(LookSelection look);

}  // namespace kavel
