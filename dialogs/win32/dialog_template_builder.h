#pragma once
// A dialog template table (res/dialog_template.h) as the in-memory DLGTEMPLATE that
// DialogBoxIndirectParamW takes: the dialog's header with its font, then one DLGITEMTEMPLATE
// per control, each kind with the class and styles a resource script gives it.

#include <windows.h>

#include <span>
#include <vector>

#include "res/dialog_template.h"

namespace kavel::win32 {

// A popup with caption, system menu and modal frame, in the template's font.
inline constexpr DWORD kModalDialogStyle =
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

// Styles a control carries beyond those of its kind, as a resource script adds them.
struct ExtraControlStyle {
    int id = 0;
    DWORD style = 0;
};

// The template as WORDs: the buffer starts DWORD-aligned, the records align within it.
std::vector<WORD> BuildDialogTemplate(const dlg::DialogTemplate& table,
                                      DWORD dialog_style = kModalDialogStyle,
                                      std::span<const ExtraControlStyle> extra_styles = {});

}  // namespace kavel::win32
