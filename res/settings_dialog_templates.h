#pragma once
// The templates of the Com Settings dialog (IDD_ComSettingsDlg) and of the custom controls
// file dialog (IDD_CustomFileDlg), in dialog units.

#include <array>

#include "res/dialog_template.h"
#include "res/resource_ids.h"

namespace kavel::dlg {

using K = ControlKind;

inline constexpr std::array<ControlTemplate, 16> kComSettingsControls = {{
    {ids::IDOK, "IDOK", K::DefPushButton, "OK", {237, 208, 50, 14}},
    {ids::IDC_PORT, "IDC_PORT", K::DropDownCombo, "", {99, 116, 96, 13}},
    {ids::IDC_PARITY, "IDC_PARITY", K::DropDownCombo, "", {99, 139, 96, 13}},
    {ids::IDC_SPEED, "IDC_SPEED", K::DropDownCombo, "", {99, 162, 96, 13}},
    {ids::IDC_DATABITS, "IDC_DATABITS", K::DropDownCombo, "", {99, 185, 96, 13}},
    {ids::IDC_STOPBITS, "IDC_STOPBITS", K::DropDownCombo, "", {99, 208, 96, 13}},
    {ids::IDCANCEL, "IDCANCEL", K::PushButton, "Cancel", {236, 185, 50, 14}},
    {kStaticId, "", K::Label, "Speed", {21, 163, 52, 11}},
    {kStaticId, "", K::Label, "Data Bits", {21, 186, 52, 11}},
    {kStaticId, "", K::Label, "Parity", {21, 140, 52, 11}},
    {kStaticId, "", K::Label, "Com Port", {21, 117, 52, 11}},
    {kStaticId, "", K::Label, "Stop Bits", {21, 209, 52, 11}},
    {kStaticId, "", K::Label,
     "Normal = port Com3 parity NONE, speed 115200, databits 8, stop bits 1.", {26, 75, 244, 11}},
    {kStaticId, "", K::Label,
     "Any settings that are left empty will be set to defaults when OK is clicked.",
     {26, 92, 244, 11}},
    {kStaticId, "", K::Text,
     "These settings are for the connection that your Arduino sketch program makes and should "
     "match the values that you set in your sketch.",
     {26, 15, 244, 26}},
    {kStaticId, "", K::Text,
     "The com port should be the same as Windows uses.  You can check it by looking in Windows "
     "Device Manager.",
     {26, 47, 244, 22}},
}};

inline constexpr DialogTemplate kComSettingsTemplate = {
    ids::IDD_ComSettingsDlg, "Com Settings", 328, 242, kComSettingsControls};

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
