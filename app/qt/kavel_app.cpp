#include "app/qt/kavel_app.h"

#include <algorithm>

#include <QApplication>
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QStatusBar>

#include "app/qt/about_dlg.h"
#include "app/qt/command_toolbar.h"
#include "app/kavel_version.h"
#include "app/qt/main_frame.h"
#include "app/qt/menus.h"
#include "app/qt/string_table.h"
#include "app/app_identity.h"
#include "res/resource_ids.h"

// Resources live in a static library: make sure they are linked in and registered.
static void InitAppResources() { Q_INIT_RESOURCE(app); }

namespace kavel {

std::int32_t g_controls_mode = 0;

namespace {

using namespace ids;

// Version of the bar layout record; a record of another version is ignored.
constexpr int kBarStateVersion = 1;
// Large enough for any layout record.
constexpr std::size_t kStateBufferBytes = 1 << 20;

std::string ToStd(const QByteArray& bytes) { return std::string(bytes.constData(), bytes.size()); }

// Where a new overlapped window opens when nothing is saved: three quarters of the screen,
// at least what the window needs.
QSize DefaultFrameSize(const CMainFrame& frame) {
    const QScreen* screen = frame.screen() ? frame.screen() : QGuiApplication::primaryScreen();
    if (!screen) return frame.sizeHint();
    const QRect available = screen->availableGeometry();
    const QSize hint = frame.sizeHint();
    return QSize(std::max(available.width() * 3 / 4, hint.width()),
                 std::max(available.height() * 3 / 4, hint.height()))
        .boundedTo(available.size());
}

}  // namespace

CKavelApp::CKavelApp(const Services& services) : m_services(services) {
    InitAppResources();
    m_hicolor_images = true;
    g_controls_mode = 0;
    QCoreApplication::setApplicationName(LoadString(AFX_IDS_APP_TITLE));
    QCoreApplication::setApplicationVersion(QStringLiteral(KAVEL_VERSION));
    // Groups the program's windows under its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(KAVEL_DESKTOP_ID));
}

CKavelApp::~CKavelApp() = default;

bool CKavelApp::InitInstance() {
    SetRegistryKey(kProfileRoot);

    m_main_wnd = std::make_unique<CMainFrame>(*this);
    if (!m_main_wnd->LoadFrame(IDR_MAINFRAME)) {
        // Nothing half-built is ever shown.
        m_main_wnd.reset();
        return false;
    }
    m_main_wnd->show();
    m_main_wnd->repaint();
    return true;
}

int CKavelApp::Run() {
    m_exit_code = QApplication::exec();
    return m_exit_code;
}

int CKavelApp::ExitInstance() {
    m_main_wnd.reset();
    return m_exit_code;
}

// ---- Profile ----

void CKavelApp::SetRegistryKey(std::string_view company) {
    m_registry_key = "Software\\" + std::string(company) + "\\" +
                     LoadString(AFX_IDS_APP_TITLE).toStdString();
}

int CKavelApp::GetInt(const std::string& name, int default_value) {
    if (m_registry_key.empty()) return default_value;
    const auto key = m_services.settings.OpenKey(m_registry_key);
    if (!key) return default_value;
    return key->QueryInt(name).value_or(default_value);
}

bool CKavelApp::WriteInt(const std::string& name, int value) {
    if (m_registry_key.empty()) return false;
    const auto key = m_services.settings.CreateKey(m_registry_key);
    return key && key->SetInt(name, value);
}

std::optional<std::string> CKavelApp::GetString(const std::string& name) {
    if (m_registry_key.empty()) return std::nullopt;
    const auto key = m_services.settings.OpenKey(m_registry_key);
    if (!key) return std::nullopt;
    return key->QueryString(name, kStateBufferBytes);
}

bool CKavelApp::WriteString(const std::string& name, const std::string& value) {
    if (m_registry_key.empty()) return false;
    const auto key = m_services.settings.CreateKey(m_registry_key);
    return key && key->SetString(name, value);
}

// ---- Window placement and bar layout ----

void CKavelApp::LoadState(CMainFrame& frame) {
    // Toolbar contents first: the layout refers to the user toolbars by name.
    if (const auto text = GetString("Toolbars")) {
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(*text));
        const QJsonArray bars = document.array();
        for (const QJsonValue& value : bars) {
            const QJsonObject entry = value.toObject();
            const int id = entry.value(QLatin1String("id")).toInt();
            QString name = entry.value(QLatin1String("name")).toString().trimmed();
            if (name.isEmpty()) name = QStringLiteral("Custom");
            std::vector<int> commands;
            for (const QJsonValue& command : entry.value(QLatin1String("commands")).toArray()) {
                const int command_id = command.toInt(-1);
                if (command_id >= 0) commands.push_back(command_id);
            }
            CommandToolBar* bar =
                id == AFX_IDW_TOOLBAR ? frame.m_tool_bar : frame.CreateUserToolBar(id, name);
            if (bar) bar->SetCommands(commands);
        }
    }

    const auto placement = GetString("WindowPlacement");
    if (!placement || !frame.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(*placement))))
        frame.resize(DefaultFrameSize(frame));
    if (const auto layout = GetString("BarState"))
        frame.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(*layout)), kBarStateVersion);
    frame.m_status_bar->setVisible(GetInt("StatusBar", 1) != 0);
}

void CKavelApp::SaveState(CMainFrame& frame) {
    QJsonArray bars;
    for (const CommandToolBar* bar : frame.ToolBars()) {
        QJsonArray commands;
        for (const int id : bar->Commands()) commands.append(id);
        bars.append(QJsonObject{{QStringLiteral("id"), bar->BarId()},
                                {QStringLiteral("name"), bar->windowTitle()},
                                {QStringLiteral("commands"), commands}});
    }
    WriteString("Toolbars", ToStd(QJsonDocument(bars).toJson(QJsonDocument::Compact)));
    WriteString("WindowPlacement", ToStd(frame.saveGeometry().toBase64()));
    WriteString("BarState", ToStd(frame.saveState(kBarStateVersion).toBase64()));
    WriteInt("StatusBar", frame.m_status_bar->isHidden() ? 0 : 1);
}

// ---- Commands ----

bool CKavelApp::OnCmdMsg(int id) {
    switch (id) {
        case ID_APP_ABOUT: OnAppAbout(); return true;
        case ID_VIEW_STANDARD_CONTROLS: OnViewStandardControls(); return true;
        case ID_VIEW_USER_CONTROLS: OnViewUserControls(); return true;
        default: return false;
    }
}

bool CKavelApp::OnUpdateCmdUI(CCmdUI& ui) {
    switch (ui.id) {
        case ID_APP_ABOUT: ui.Enable(); return true;
        case ID_VIEW_STANDARD_CONTROLS: OnUpdateViewStandardControls(ui); return true;
        case ID_VIEW_USER_CONTROLS: OnUpdateViewUserControls(ui); return true;
        default: return false;
    }
}

void CKavelApp::OnAppAbout() {
    CAboutDlg about(m_services.urls, m_main_wnd.get());
    about.exec();
}

void CKavelApp::OnViewStandardControls() { g_controls_mode = 0; }
void CKavelApp::OnViewUserControls() { g_controls_mode = 1; }
void CKavelApp::OnUpdateViewStandardControls(CCmdUI& ui) { ui.SetCheck(g_controls_mode == 0); }
void CKavelApp::OnUpdateViewUserControls(CCmdUI& ui) { ui.SetCheck(g_controls_mode == 1); }

}  // namespace kavel
