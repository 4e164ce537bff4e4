#pragma once
// The custom controls file dialog's template (IDD_CustomFileDlg), in dialog units.

#include <array>

#include "res/dialog_template.h"
#include "res/resource_ids.h"

namespace kavel::dlg {

using K = ControlKind;

inline constexpr std::array<ControlTemplate, 6> kCustomFileControls = {{
    {ids::IDOK, "IDOK", K::DefPushButton, "OK", {454, 119, 50, 14}},
    {ids::IDCANCEL, "IDCANCEL", K::PushButton, "Cancel", {542, 119, 50, 14}},
    {ids::IDC_BROWSE, "IDC_BROWSE", K::DefPushButton, "Browse", {524, 53, 50, 14}},
    {ids::IDC_CUSTOMFILEEDIT, "IDC_CUSTOMFILEEDIT", K::Edit, "", {22, 81, 559, 19}},
    {kStaticId, "", K::Text,
     "This program has a mode where it can be configured to use custom controls.  Use this "
     "dialog to select the text file that defines your custom controls.  The file name will be "
     "saved in the registry.",
     {23, 18, 550, 30}},
    {kStaticId, "", K::Label, "Custom controls path and file name.", {22, 60, 227, 16}},
}};

inline constexpr DialogTemplate kCustomFileTemplate = {
    ids::IDD_CustomFileDlg, "Select the controls custom file", 599, 140, kCustomFileControls};

}  // namespace kavel::dlg
