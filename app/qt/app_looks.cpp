#include "app/qt/app_looks.h"

#include <algorithm>

#include "res/resource_ids.h"

namespace kavel {
namespace {

using namespace ids;

// clang-format off
constexpr LookColours kWindows2000Colours = {
    "Windows", "#000000", {"#d4d0c8", "#d4d0c8"}, {"#d4d0c8", "#d4d0c8"}, "#808080",
    "#d4d0c8", "#000000", "#404040", {"#0a246a", "#0a246a"}, "#0a246a", "#ffffff", "#bab5ab",
    {"#d4d0c8", "#d4d0c8"}, "#000000", "#d4d0c8", "#ffffe1", 0};
constexpr LookColours kOfficeXPColours = {
    "Windows", "#000000", {"#ece9d8", "#ece9d8"}, {"#f8f7f4", "#e3e1d8"}, "#c6c3b8",
    "#fcfcf9", "#000000", "#8a867a", {"#c1d2ee", "#c1d2ee"}, "#316ac5", "#000000", "#98b5e2",
    {"#ece9d8", "#ece9d8"}, "#000000", "#ece9d8", "#ffffe1", 0};
constexpr LookColours kWindowsXPColours = {
    "Fusion", "#000000", {"#f3f1e7", "#ece9d8"}, {"#fefefb", "#d8d2bd"}, "#aca899",
    "#ffffff", "#000000", "#aca899", {"#316ac5", "#316ac5"}, "#2a5aa8", "#ffffff", "#e3e0d0",
    {"#f3f1e7", "#ddd7c3"}, "#000000", "#ece9d8", "#ffffe1", 2};
constexpr LookColours kOffice2003Colours = {
    "Fusion", "#000000", {"#ddecfe", "#c4daf9"}, {"#e3effe", "#7ba2e7"}, "#3b619c",
    "#f6f6f6", "#000000", "#002d96", {"#ffefc3", "#ffd28e"}, "#000080", "#000000", "#fe8e4b",
    {"#c4daf9", "#7ba2e7"}, "#000000", "#c4daf9", "#ffffe1", 3};
constexpr LookColours kVS2005Colours = {
    "Fusion", "#000000", {"#fbfaf6", "#ebe8dc"}, {"#fafaf8", "#d8d3c3"}, "#c2bfb1",
    "#fcfcfc", "#000000", "#8a867a", {"#c1d2ee", "#c1d2ee"}, "#316ac5", "#000000", "#98b5e2",
    {"#ece9d8", "#ece9d8"}, "#000000", "#ebe8dc", "#ffffe1", 2};
constexpr LookColours kVS2008Colours = {
    "Fusion", "#000000", {"#fafbfd", "#d9dee8"}, {"#fafbfd", "#c4cbdb"}, "#8e98b0",
    "#f5f6f9", "#000000", "#979797", {"#e8f0fb", "#c3d9f7"}, "#aecff7", "#000000", "#a3c3ef",
    {"#e2e6ee", "#cbd2df"}, "#000000", "#d9dee8", "#ffffff", 3};
constexpr LookColours kOffice2007BlueColours = {
    "Fusion", "#15428b", {"#dbe7f6", "#bfd4ef"}, {"#e4effd", "#a9c8f0"}, "#6f9dd9",
    "#fafafa", "#000000", "#868686", {"#fff5cc", "#ffd767"}, "#dbce99", "#000000", "#fbaa55",
    {"#d6e6fb", "#a3c2ea"}, "#15428b", "#bfdbff", "#ffffff", 3};
constexpr LookColours kOffice2007BlackColours = {
    "Fusion", "#ffffff", {"#5b5b5b", "#2f2f2f"}, {"#8f8f8f", "#3f3f3f"}, "#0b0b0b",
    "#fafafa", "#000000", "#868686", {"#fff5cc", "#ffd767"}, "#dbce99", "#000000", "#fbaa55",
    {"#6b6b6b", "#1f1f1f"}, "#ffffff", "#535353", "#ffffff", 3};
constexpr LookColours kOffice2007AquaColours = {
    "Fusion", "#1f4e5e", {"#e0eef3", "#b7d5e0"}, {"#e7f3f6", "#9fc7d4"}, "#5e98ab",
    "#fafafa", "#000000", "#868686", {"#fff5cc", "#ffd767"}, "#dbce99", "#000000", "#fbaa55",
    {"#d5e8ee", "#a3c8d4"}, "#1f4e5e", "#b4d3de", "#ffffff", 3};
constexpr LookColours kOffice2007SilverColours = {
    "Fusion", "#4c535c", {"#f3f5f8", "#d6dbe3"}, {"#f4f6f8", "#c5cbd4"}, "#9ba2ae",
    "#fafafa", "#000000", "#868686", {"#fff5cc", "#ffd767"}, "#dbce99", "#000000", "#fbaa55",
    {"#eef0f3", "#c4c9d1"}, "#4c535c", "#d0d4dd", "#ffffff", 3};
constexpr LookColours kWindows7Colours = {
    "Fusion", "#000000", {"#fbfcfd", "#e3e9f1"}, {"#fefefe", "#e8edf4"}, "#b6c3d6",
    "#f0f0f0", "#000000", "#979797", {"#f2f7fe", "#dcebfc"}, "#7da2ce", "#000000", "#c2dcfd",
    {"#f1f3f6", "#e6eaf0"}, "#000000", "#dfe6ef", "#ffffff", 3};
// clang-format on

constexpr std::string_view kOffice2007Menu = "Office 200&7";

constexpr AppLook kLooks[] = {
    {ID_VIEW_APPLOOK_WIN_2000, "Windows &2000", "", VisualManager::Windows2000, kNotOffice2007,
     kWindows2000Colours},
    {ID_VIEW_APPLOOK_OFF_XP, "Office &XP", "", VisualManager::OfficeXP, kNotOffice2007,
     kOfficeXPColours},
    {ID_VIEW_APPLOOK_WIN_XP, "&Windows XP", "", VisualManager::WindowsXP, kNotOffice2007,
     kWindowsXPColours},
    {ID_VIEW_APPLOOK_OFF_2003, "Office 200&3", "", VisualManager::Office2003, kNotOffice2007,
     kOffice2003Colours},
    {ID_VIEW_APPLOOK_VS_2005, "Visual Studio 200&5", "", VisualManager::VS2005, kNotOffice2007,
     kVS2005Colours},
    {ID_VIEW_APPLOOK_VS_2008, "Visual Studio 200&8", "", VisualManager::VS2008, kNotOffice2007,
     kVS2008Colours},
    {ID_VIEW_APPLOOK_OFF_2007_BLUE, "&Blue Style", kOffice2007Menu, VisualManager::Office2007,
     kOffice2007Blue, kOffice2007BlueColours},
    {ID_VIEW_APPLOOK_OFF_2007_BLACK, "B&lack Style", kOffice2007Menu, VisualManager::Office2007,
     kOffice2007Black, kOffice2007BlackColours},
    {ID_VIEW_APPLOOK_OFF_2007_SILVER, "&Silver Style", kOffice2007Menu, VisualManager::Office2007,
     kOffice2007Silver, kOffice2007SilverColours},
    {ID_VIEW_APPLOOK_OFF_2007_AQUA, "&Aqua Style", kOffice2007Menu, VisualManager::Office2007,
     kOffice2007Aqua, kOffice2007AquaColours},
    {ID_VIEW_APPLOOK_WINDOWS_7, "", "", VisualManager::Windows7, kNotOffice2007, kWindows7Colours},
};

constexpr auto kLookIds = [] {
    int low = kLooks[0].command_id, high = kLooks[0].command_id;
    for (const AppLook& look : kLooks) {
        low = std::min(low, look.command_id);
        high = std::max(high, look.command_id);
    }
    return std::pair{low, high};
}();

const LookColours& ColoursFor(VisualManager manager, int office2007_style) {
    const AppLook* fallback = nullptr;
    for (const AppLook& look : kLooks) {
        if (look.manager != manager) continue;
        if (look.office2007_style == office2007_style || look.office2007_style == kNotOffice2007)
            return look.colours;
        if (look.office2007_style == kOffice2007Blue) fallback = &look;
    }
    return fallback ? fallback->colours : kLooks[0].colours;
}

QString Gradient(const char* const (&pair)[2]) {
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(QLatin1String(pair[0]), QLatin1String(pair[1]));
}

QString StyleSheetFor(const LookColours& c) {
    const QString radius = QString::number(c.radius) + QStringLiteral("px");
    QString sheet;
    sheet += QStringLiteral("QMenuBar { background: %1; color: %2; border: none; }\n")
                 .arg(Gradient(c.menubar), QLatin1String(c.text));
    sheet += QStringLiteral(
                 "QMenuBar::item { background: transparent; padding: 3px 7px;"
                 " border: 1px solid transparent; border-radius: %1; }\n")
                 .arg(radius);
    sheet += QStringLiteral(
                 "QMenuBar::item:selected { background: %1; border-color: %2;"
                 " color: %3; }\n")
                 .arg(Gradient(c.hot), QLatin1String(c.hot_border), QLatin1String(c.hot_text));
    sheet +=
        QStringLiteral(
            "QMenuBar::item:pressed { background: %1; border-color: %2;"
            " color: %3; }\n")
            .arg(QLatin1String(c.menu), QLatin1String(c.menu_border), QLatin1String(c.menu_text));
    sheet +=
        QStringLiteral(
            "QMenu { background: %1; color: %2; border: 1px solid %3;"
            " padding: 2px; }\n")
            .arg(QLatin1String(c.menu), QLatin1String(c.menu_text), QLatin1String(c.menu_border));
    sheet += QStringLiteral(
                 "QMenu::item { padding: 3px 24px 3px 26px;"
                 " border: 1px solid transparent; border-radius: %1; }\n")
                 .arg(radius);
    sheet += QStringLiteral(
                 "QMenu::item:selected { background: %1; border-color: %2;"
                 " color: %3; }\n")
                 .arg(Gradient(c.hot), QLatin1String(c.hot_border), QLatin1String(c.hot_text));
    sheet += QStringLiteral(
                 "QMenu::item:disabled { color: #8d8d8d; }\n"
                 "QMenu::item:disabled:selected { background: transparent;"
                 " border-color: %1; }\n")
                 .arg(QLatin1String(c.menu_border));
    sheet += QStringLiteral(
                 "QMenu::separator { height: 1px; background: %1;"
                 " margin: 3px 2px 3px 26px; }\n")
                 .arg(QLatin1String(c.menu_border));
    sheet += QStringLiteral(
                 "QToolBar { background: %1; border: 1px solid %2;"
                 " border-radius: %3; spacing: 1px; padding: 1px; }\n")
                 .arg(Gradient(c.bar), QLatin1String(c.bar_border), radius);
    sheet += QStringLiteral(
                 "QToolBar QToolButton { background: transparent; color: %1;"
                 " border: 1px solid transparent; border-radius: %2;"
                 " padding: 2px; }\n")
                 .arg(QLatin1String(c.text), radius);
    sheet += QStringLiteral(
                 "QToolBar QToolButton:hover { background: %1; border-color: %2;"
                 " color: %3; }\n")
                 .arg(Gradient(c.hot), QLatin1String(c.hot_border), QLatin1String(c.hot_text));
    sheet += QStringLiteral(
                 "QToolBar QToolButton:pressed, QToolBar QToolButton:checked"
                 " { background: %1; border-color: %2; }\n")
                 .arg(QLatin1String(c.pressed), QLatin1String(c.hot_border));
    sheet += QStringLiteral("QToolBar QToolButton:disabled { color: #8d8d8d; }\n");
    sheet += QStringLiteral(
                 "QStatusBar { background: %1; color: %2; }\n"
                 "QStatusBar QLabel { color: %2; }\n"
                 "QStatusBar::item { border: none; }\n")
                 .arg(Gradient(c.status), QLatin1String(c.status_text));
    return sheet;
}

QPalette PaletteFor(const LookColours& c) {
    const QColor face(QLatin1String(c.status[0]));
    QPalette palette(face, face);
    palette.setColor(QPalette::WindowText, QColor(QLatin1String(c.text)));
    palette.setColor(QPalette::ButtonText, QColor(QLatin1String(c.text)));
    palette.setColor(QPalette::Base, QColor(QLatin1String(c.menu)));
    palette.setColor(QPalette::Text, QColor(QLatin1String(c.menu_text)));
    palette.setColor(QPalette::Highlight, QColor(QLatin1String(c.hot[1])));
    palette.setColor(QPalette::HighlightedText, QColor(QLatin1String(c.hot_text)));
    palette.setColor(QPalette::ToolTipBase, QColor(QLatin1String(c.tooltip)));
    palette.setColor(QPalette::ToolTipText, QColor(Qt::black));
    return palette;
}

}  // namespace

std::span<const AppLook> AppLooks() {
    return kLooks;
}

const AppLook* FindLook(int command_id) {
    const auto it =
        std::find_if(std::begin(kLooks), std::end(kLooks),
                     [command_id](const AppLook& look) { return look.command_id == command_id; });
    return it == std::end(kLooks) ? nullptr : &*it;
}

bool IsLookCommand(int id) {
    return id >= kLookIds.first && id <= kLookIds.second;
}

LookTheme ThemeFor(VisualManager manager, int office2007_style) {
    const LookColours& colours = ColoursFor(manager, office2007_style);
    return {QLatin1String(colours.style), PaletteFor(colours), StyleSheetFor(colours),
            QColor(QLatin1String(colours.frame))};
}

}  // namespace kavel
