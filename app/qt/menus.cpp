#include "app/qt/menus.h"

#include "app/qt/app_looks.h"
#include "res/resource_ids.h"

namespace kavel {
namespace {

using namespace ids;
using Kind = MenuItem::Kind;

MenuItem Command(std::string_view text, int id) { return {Kind::Command, text, id, {}}; }
MenuItem Separator() { return {Kind::Separator, {}, 0, {}}; }
MenuItem Popup(std::string_view text, std::vector<MenuItem> items) {
    return {Kind::Popup, text, 0, std::move(items)};
}

// The looks that the menu offers, each under its pop-up where it has one.
std::vector<MenuItem> LookMenuItems() {
    std::vector<MenuItem> items;
    for (const AppLook& look : AppLooks()) {
        if (look.menu_text.empty()) continue;
        if (look.submenu.empty()) {
            items.push_back(Command(look.menu_text, look.command_id));
            continue;
        }
        if (items.empty() || items.back().kind != Kind::Popup ||
            items.back().text != look.submenu)
            items.push_back(Popup(look.submenu, {}));
        items.back().items.push_back(Command(look.menu_text, look.command_id));
    }
    return items;
}

MenuItem BuildMainMenu() {
    return Popup("", {
        Popup("&File", {Command("E&xit", ID_APP_EXIT)}),
        Popup("&Edit", {
            Command("&Undo\tCtrl+Z", ID_EDIT_UNDO),
            Separator(),
            Command("Cu&t\tCtrl+X", ID_EDIT_CUT),
            Command("&Copy\tCtrl+C", ID_EDIT_COPY),
            Command("&Paste\tCtrl+V", ID_EDIT_PASTE),
        }),
        Popup("&View", {
            Popup("&Toolbars and Docking Windows", {Command(kBarsPlaceholder, ID_VIEW_TOOLBAR)}),
            Command("&Status Bar", ID_VIEW_STATUS_BAR),
            Popup("&Application Look", LookMenuItems()),
            Command("View - Standard controls", ID_VIEW_STANDARD_CONTROLS),
            Command("View - User defined controls", ID_VIEW_USER_CONTROLS),
        }),
        Popup("&Options", {
            Command("&Comm settings", ID_COMM_SETTINGS),
            Command("Custom configuration file name", ID_CUSTOM_FILE),
        }),
        Popup("&Help", {Command("&About Kavel...", ID_APP_ABOUT)}),
    });
}

constexpr Accelerator kAccelerators[] = {
    {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
    {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
    {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
    {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
    {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE},
    {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
    {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},
    {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
    {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
    {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
};

constexpr int kStandardButtons[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_APP_ABOUT};

}  // namespace

const MenuItem& MainMenu() {
    static const MenuItem menu = BuildMainMenu();
    return menu;
}

std::span<const Accelerator> MainAccelerators() { return kAccelerators; }

std::span<const int> StandardToolbarButtons() { return kStandardButtons; }

QString ToolbarImagePath(int id, bool hicolor) {
    const char* name = nullptr;
    switch (id) {
        case ID_EDIT_CUT: name = "cut"; break;
        case ID_EDIT_COPY: name = "copy"; break;
        case ID_EDIT_PASTE: name = "paste"; break;
        case ID_APP_ABOUT: name = "about"; break;
        default: return {};
    }
    return QStringLiteral(":/app/images/%1%2.png")
        .arg(hicolor ? QStringLiteral("tb_") : QStringLiteral("tb16_"), QLatin1String(name));
}

QString PlainMenuText(std::string_view text) {
    QString plain = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    plain = plain.section(QLatin1Char('\t'), 0, 0);
    QString result;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain[i] == QLatin1Char('&')) {
            if (i + 1 < plain.size() && plain[i + 1] == QLatin1Char('&')) result += plain[++i];
            continue;
        }
        result += plain[i];
    }
    return result;
}

}  // namespace kavel
