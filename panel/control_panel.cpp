// The panel's state, its creation and size, its commands, sending, and what painting reads.

#include "panel/control_panel.h"

#include <array>
#include <cstdio>

#include "panel/panel_geometry.h"
#include "panel/panel_texts.h"
#include "res/resource_ids.h"

namespace kavel {

ControlPanel::ControlPanel(IPanelWindow& window, const Services& services)
    : m_status1(panel_texts::kStatus1Initial),
      m_status2(panel_texts::kStatus2Initial),
      m_status3(panel_texts::kStatus3Initial),
      m_link(services.serial, services.settings, services.messages, services.sleeper),
      m_window(window),
      m_messages(services.messages),
      m_sleeper(services.sleeper) {}

void ControlPanel::OnCreate() {
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        SetThumb(static_cast<int>(i), kParameters[i].initial_position);
    }
    m_window.SetAutoSendCheck(true);
    m_auto_send = true;
}

void ControlPanel::OnSize() {
    for (int i = 0; i < static_cast<int>(kParameters.size()); ++i) ShowValue(i, Value(i));
}

int ControlPanel::Value(int parameter) const {
    return ValueAt(ScrollLimit(kParameters.at(static_cast<std::size_t>(parameter)).maximum),
                   Thumb(parameter));
}

// The thumb stays inside its range, as the platform's scroll bar keeps it.
void ControlPanel::SetThumb(int parameter, int position) {
    const int maximum = kParameters.at(static_cast<std::size_t>(parameter)).maximum;
    const int kept = std::clamp(position, kScrollMinimum, maximum);
    m_thumbs.at(static_cast<std::size_t>(parameter)) = kept;
    m_window.SetThumb(parameter, kept);
}

void ControlPanel::ShowValue(int parameter, int value) {
    m_window.SetEditText(parameter, std::to_string(value));
}

void ControlPanel::RefreshAutoSend() {
    m_auto_send = m_window.AutoSendChecked();
}

void ControlPanel::NotConnectedReport() {
    m_status1 = panel_texts::kNotConnected1;
    m_status2 = panel_texts::kNotConnected2;
    m_status3 = panel_texts::kNotConnected3;
    m_window.Invalidate();
}

// A status line or message formatted with printf rules, as the program always has.
std::string ControlPanel::Formatted(const char* format, int a, int b) {
    std::array<char, 250> text{};
    std::snprintf(text.data(), text.size(), format, a, b);
    return text.data();
}

int ControlPanel::SendCommand(char letter, int value) {
    SendReport report = m_link.Send(letter, value, m_connected);
    m_status3 = std::move(report.status3);
    m_window.Invalidate();
    return report.result;
}

void ControlPanel::OnCommSettings() {
    m_window.OnCommSettings();
}

void ControlPanel::OnCustomFile() {
    m_window.OnCustomFile();
}

namespace {

// The panel's commands and their handlers.
struct CommandEntry {
    int id;
    void (ControlPanel::*handler)();
};

constexpr CommandEntry kCommandMap[] = {
    {ids::IDC_SENDALL, &ControlPanel::OnSendAll},
    {ids::IDC_START, &ControlPanel::OnStart},
    {ids::IDC_STOP, &ControlPanel::OnStop},
    {ids::ID_COMM_SETTINGS, &ControlPanel::OnCommSettings},
    {ids::ID_CUSTOM_FILE, &ControlPanel::OnCustomFile},
};

const CommandEntry* FindCommand(int id) {
    for (const CommandEntry& entry : kCommandMap) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

}  // namespace

bool ControlPanel::OnUpdateCmdUI(CCmdUI& ui) {
    if (FindCommand(ui.id) == nullptr) return false;
    ui.Enable();
    return true;
}

bool ControlPanel::OnCmdMsg(int id) {
    const CommandEntry* entry = FindCommand(id);
    if (entry == nullptr) return false;
    (this->*entry->handler)();
    return true;
}

std::span<const Rect> ControlPanel::HighlightBarsToPaint() {
    if (static_cast<unsigned>(m_selected) >= static_cast<unsigned>(kGroupCount)) {
        m_selected = kDefaultGroup;
    }
    const geometry::HighlightBars& bars =
        geometry::kHighlightBars[static_cast<std::size_t>(m_selected)];
    return std::span<const Rect>(bars.rects.data(), static_cast<std::size_t>(bars.count));
}

int ControlPanel::UsbBitmap() const {
    return m_connected ? ids::IDB_USB_CONNECTED : ids::IDB_USB_DISCONNECTED;
}

}  // namespace kavel
