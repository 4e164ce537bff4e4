// Before <windows.h>: its IDOK and IDCANCEL macros would replace the names of two ids.
#include "res/about_box.h"
#include "res/resource_ids.h"

#include "app/win32/about_dlg.h"

#include <string>

namespace kavel::win32 {
namespace {

// Template 100 uses the fixed system look besides the font it names (style 0x80C800C8).
constexpr DWORD kAboutStyle = kModalDialogStyle | DS_FIXEDSYS;
// OK starts a group of its own.
constexpr ExtraControlStyle kAboutExtraStyles[] = {{IDOK, WS_GROUP}};

}  // namespace

CAboutDlg::CAboutDlg(IUrlOpener& urls, HWND owner)
    : CModalDialog(dlg::kAboutTemplate, owner, kAboutStyle, kAboutExtraStyles), m_urls(urls) {}

// The box opens with the focus on OK, so Enter closes it; More info, before it in the
// template, would otherwise take the focus.
BOOL CAboutDlg::OnInitDialog() {
    SetFocus(GetDlgItem(IDOK));
    return FALSE;
}

void CAboutDlg::OnCommand(int id, int code) {
    if (id == ids::IDC_MOREINFO && code == BN_CLICKED) {
        OnMoreInfo();
    } else {
        CModalDialog::OnCommand(id, code);
    }
}

void CAboutDlg::OnMoreInfo() { m_urls.Open(std::string(dlg::kInfoPage)); }

}  // namespace kavel::win32
