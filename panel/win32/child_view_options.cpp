// The Options menu's dialogs, run modally over the main window; their results are not used
// (stored settings take effect at the next connect).

// First: it includes the ids before <windows.h>, whose IDOK and IDCANCEL macros clash with them.
#include "panel/win32/child_view.h"
// The dialogs the two commands run.
#include "dialogs/win32/com_settings_dlg.h"
#include "dialogs/win32/custom_file_dlg.h"

namespace kavel::win32 {

void CChildView::OnCommSettings() {
    CComSettingsDlg dlg(m_services, GetAncestor(m_hwnd, GA_ROOT));
    dlg.DoModal();
}

void CChildView::OnCustomFile() {
    CCustomFileDlg dlg(m_services, GetAncestor(m_hwnd, GA_ROOT));
    dlg.DoModal();
}

}  // namespace kavel::win32
