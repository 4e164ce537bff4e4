// The Options menu commands of the panel: the two settings dialogs, each run modally over the
// main window; their results are not used (stored settings take effect at the next connect).

#include "panel/qt/child_view.h"
#include "dialogs/qt/com_settings_dlg.h"
#include "dialogs/qt/custom_file_dlg.h"

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
