// The Options menu's dialogs, run modally over the main window; their results are not used
// (stored settings take effect at the next connect).

#include "dialogs/qt/com_settings_dlg.h"
#include "dialogs/qt/custom_file_dlg.h"
#include "panel/qt/child_view.h"

namespace kavel {

void CChildView::OnCommSettings() {
    CComSettingsDlg dlg(m_services, window());
    dlg.DoModal();
}

void CChildView::OnCustomFile() {
    CCustomFileDlg dlg(m_services, window());
    dlg.DoModal();
}

}  // namespace kavel
