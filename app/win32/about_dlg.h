#pragma once
// The About box on the Win32 API, from dialog template 100: the program's icon, name and
// version, the command letters the board's sketch understands, and More info, which opens the
// project's information page and leaves the box open. OK, Esc and the close box close it.
// Built as its own library (kavel_about_dlg_win32) on the dialogs' template builder.

#include "dialogs/win32/modal_dialog.h"
#include "platform/url_opener.h"

namespace kavel::win32 {

class CAboutDlg final : public CModalDialog {
public:
    CAboutDlg(IUrlOpener& urls, HWND owner);

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code) override;

private:
    void OnMoreInfo();

    IUrlOpener& m_urls;
};

}  // namespace kavel::win32
