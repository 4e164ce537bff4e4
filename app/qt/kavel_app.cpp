#include "app/qt/kavel_app.h"

#include <algorithm>

#include <QApplication>
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QStatusBar>

#include "app/app_identity.h"
#include "app/kavel_version.h"
#include "app/qt/about_dlg.h"
#include "app/qt/command_toolbar.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_resources.h"
#include "res/resource_ids.h"

// Resources live in a static library: make sure they are linked in and registered.
static void InitAppResources() { Q_INIT_RESOURCE(app); }

namespace kavel {
namespace {

using namespace ids;

// Version of the bar layout record; a record of another version is ignored.
constexpr int kBarStateVersion = 1;

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

CKavelApp::CKavelApp(const Services& services)
    : m_services(services), m_rules(m_services.settings, *this) {
    InitAppResources();
    QCoreApplication::setApplicationName(LoadString(AFX_IDS_APP_TITLE));
    QCoreApplication::setApplicationVersion(QStringLiteral(KAVEL_VERSION));
    // Groups the program's windows under its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(KAVEL_DESKTOP_ID));
}

CKavelApp::~CKavelApp() = default;

bool CKavelApp::InitInstance() {
    m_rules.SetRegistryKey(kProfileRoot);

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

// ---- Window placement and bar layout ----

void CKavelApp::LoadState(CMainFrame& frame) {
    // Toolbar contents first: the layout refers to the user toolbars by name.
    if (const auto text = m_rules.GetString("Toolbars")) {
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

    const auto placement = m_rules.GetString("WindowPlacement");
    if (!placement || !frame.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(*placement))))
        frame.resize(DefaultFrameSize(frame));
    if (const auto layout = m_rules.GetString("BarState"))
        frame.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(*layout)), kBarStateVersion);
    frame.m_status_bar->setVisible(m_rules.GetInt("StatusBar", 1) != 0);
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
    m_rules.WriteString("Toolbars", ToStd(QJsonDocument(bars).toJson(QJsonDocument::Compact)));
    m_rules.WriteString("WindowPlacement", ToStd(frame.saveGeometry().toBase64()));
    m_rules.WriteString("BarState", ToStd(frame.saveState(kBarStateVersion).toBase64()));
    m_rules.WriteInt("StatusBar", frame.m_status_bar->isHidden() ? 0 : 1);
}

void CKavelApp::RunAboutBox() {
    CAboutDlg about(m_services.urls, m_main_wnd.get());
    about.exec();
}

}  // namespace kavel
