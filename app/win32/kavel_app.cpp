#include "app/win32/kavel_app.h"

#include <commctrl.h>
#include <ole2.h>
#include <shobjidl.h>

#include <string>

#include "app/app_identity.h"
#include "app/win32/about_dlg.h"
#include "app/win32/main_frame.h"
#include "res/string_table.h"

namespace kavel::win32 {
namespace {

using namespace ids;

// The shell groups the program's windows under this id.
constexpr wchar_t kAppId[] = L"Kavel.AppID.NoVersion";
// All the classic common-control classes.
constexpr DWORD kCommonControlClasses = 0xFF;
// The system's timer message (caret blinks).
constexpr UINT kSysTimer = 0x0118;

}  // namespace

CKavelApp::CKavelApp(const Services& services)
    : m_services(services), m_rules(m_services.settings, *this) {
    SetCurrentProcessExplicitAppUserModelID(kAppId);
    RegisterApplicationRestart(nullptr, 0);
}

CKavelApp::~CKavelApp() = default;

BOOL CKavelApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof controls, kCommonControlClasses};
    InitCommonControlsEx(&controls);
    if (FAILED(OleInitialize(nullptr))) {
        m_services.messages.Show(std::string(res::StringFor(IDP_OLE_INIT_FAILED)),
                                 MessageIcon::None);
        return FALSE;
    }
    m_ole_started = true;
    m_rules.SetRegistryKey(kProfileRoot);

    m_main_wnd = std::make_unique<CMainFrame>(*this);
    if (!m_main_wnd->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW)) {
        // Nothing half-built is ever shown.
        m_main_wnd.reset();
        return FALSE;
    }
    ShowWindow(m_main_wnd->GetSafeHwnd(), SW_SHOW);
    UpdateWindow(m_main_wnd->GetSafeHwnd());
    return TRUE;
}

int CKavelApp::Run() {
    MSG msg{};
    bool idle = true;
    for (;;) {
        if (idle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            OnIdle();
            idle = false;
        }
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            m_exit_code = got == 0 ? static_cast<int>(msg.wParam) : -1;
            return m_exit_code;
        }
        if (!PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        // Painting and caret blinks change nothing the bars show.
        if (msg.message != WM_PAINT && msg.message != kSysTimer) idle = true;
    }
}

bool CKavelApp::PreTranslateMessage(MSG* msg) {
    return m_main_wnd && m_main_wnd->PreTranslateMessage(msg);
}

void CKavelApp::OnIdle() {
    if (m_main_wnd) m_main_wnd->OnIdle();
}

int CKavelApp::ExitInstance() {
    m_main_wnd.reset();
    if (m_ole_started) OleUninitialize();
    m_ole_started = false;
    return m_exit_code;
}

// No owner of its own: the main window owns it, as any dialog of the program.
void CKavelApp::RunAboutBox() {
    CAboutDlg about(m_services.urls, m_main_wnd ? m_main_wnd->GetSafeHwnd() : nullptr);
    about.DoModal();
}

}  // namespace kavel::win32
