#include "core/serial_link.h"

#include <array>
#include <cstdio>

#include "core/command_format.h"
#include "core/link_texts.h"
#include "core/port_settings_rules.h"
#include "core/port_settings_record.h"

namespace kavel {

SerialLink::SerialLink(ISerialDevice& device, ISettingsStore& store, IMessageBox& messages,
                       ISleeper& sleeper)
    : m_device(device), m_store(store), m_messages(messages), m_sleeper(sleeper) {}

SerialLink::~SerialLink() {
    if (m_port_open) {
        m_port_open = false;
        m_device.Close(m_port_handle);
    }
}

bool SerialLink::ReadPortPath(std::string& path) {
    auto key = m_store.OpenKey(std::string(record::kKeyPath));
    if (!key) {
        m_messages.Show(std::string(texts::kRegistryUnreadable), MessageIcon::None);
        return false;
    }
    path = rules::PortPath(rules::ReadValue(*key, record::kPort));
    if (rules::TooLongToRead(*key, record::kPort)) {
        std::array<char, 200> line{};
        std::snprintf(line.data(), line.size(), texts::kPortTooLongFormat.data(),
                      static_cast<int>(record::kValueMaxChars), record::kDefaultPort.data());
        m_connect_notice = line.data();
    }
    return true;  // the key closes here
}

namespace {

std::string Formatted(std::string_view format, const std::string& first,
                      const std::string& second = {}) {
    std::array<char, 1000> buffer{};
    std::snprintf(buffer.data(), buffer.size(), std::string(format).c_str(), first.c_str(),
                  second.c_str());
    return buffer.data();
}

std::string FailureLine(const OpenFailure& failure) {
    using Kind = OpenFailure::Kind;
    switch (failure.kind) {
        case Kind::None:
            return {};
        case Kind::PermissionDenied:
            return Formatted(texts::kOpenDeniedFormat, failure.device,
                             failure.group.empty() || failure.group == "root"
                                 ? std::string(texts::kDefaultPortGroup)
                                 : failure.group);
        case Kind::Busy:
            return Formatted(texts::kOpenBusyFormat, failure.device);
        case Kind::Missing:
            return Formatted(texts::kOpenMissingFormat, failure.device);
        case Kind::Other:
            break;
    }
    return Formatted(texts::kOpenOtherFormat, failure.device, failure.reason);
}

}  // namespace

bool SerialLink::AcquireHandle(const std::string& path) {
    if (m_port_open) return true;  // reuse the handle a failed configuration left open
    m_port_handle = m_device.Open(path);
    m_sio.m_handle = m_port_handle;
    if (m_port_handle == kInvalidHandle) {
        // The notice that the default port stands in for the stored one says more.
        if (m_connect_notice.empty()) m_connect_notice = FailureLine(m_device.LastOpenFailure());
        m_messages.Show(std::string(texts::kCantOpenPrefix) + path +
                            std::string(texts::kCantOpenSuffix),
                        MessageIcon::Error);
        return false;
    }
    return true;
}

void SerialLink::ReadLineSettings() {
    auto key = m_store.OpenKey(std::string(record::kKeyPath));
    if (!key) {
        rules::ApplyKeyMissingFallback(m_dcb);
        return;
    }
    m_dcb.BaudRate = rules::PanelBaudRate(rules::ReadValue(*key, record::kSpeed));
    m_dcb.StopBits = rules::PanelStopBits(rules::ReadValue(*key, record::kStopBits));
    m_dcb.Parity = rules::PanelParity(rules::ReadValue(*key, record::kParity), m_dcb.Parity);
    m_dcb.ByteSize = rules::PanelByteSize(rules::ReadValue(*key, record::kDataBits));
}

bool SerialLink::ApplyLineSettings() {
    m_sleeper.Sleep(kPauseBeforeState);
    if (!m_device.SetCommState(m_port_handle, m_dcb)) {
        m_messages.Show(std::string(texts::kSetCommStateFailed), MessageIcon::Error);
        return false;
    }
    CommTimeouts timeouts;
    timeouts.read_total_constant = kReadTotalTimeout;
    m_sleeper.Sleep(kPauseBeforeTimeouts);
    if (!m_device.SetCommTimeouts(m_port_handle, timeouts)) {
        m_messages.Show(std::string(texts::kSetCommTimeoutsFailed), MessageIcon::Error);
        return false;
    }
    m_sleeper.Sleep(kPauseBeforeClear);
    m_device.ClearCommError(m_port_handle);
    m_sleeper.Sleep(kPauseBeforeSetup);
    m_device.SetupComm(m_port_handle, kQueueSize, kQueueSize);
    return true;
}

bool SerialLink::OpenPort() {
    m_connect_notice.clear();
    std::string path;
    if (!ReadPortPath(path) || !AcquireHandle(path)) return false;
    m_port_open = true;
    m_dcb = Dcb{};
    if (!m_device.GetCommState(m_port_handle, m_dcb)) return false;
    ReadLineSettings();
    rules::ApplyFlagWord(m_dcb);
    return ApplyLineSettings();
}

bool SerialLink::ClosePort() {
    if (!m_port_open) return false;
    m_port_open = false;
    if (!m_device.Close(m_port_handle)) {
        m_messages.Show(std::string(texts::kCantClose), MessageIcon::None);
        return false;
    }
    return true;
}

SendReport SerialLink::Send(char letter, int value, bool connected) {
    if (!connected) return {0, std::string(texts::kNotOpen)};
    const std::string command = FormatCommand(letter, value);
    const WriteResult written = m_sio.Write(m_device, command);
    std::array<char, 1000> line{};
    if (!written.ok) {
        return {0, std::string(texts::kSendFailedPrefix) + command + ": " + written.error};
    }
    if (written.written < command.size()) {
        std::snprintf(line.data(), line.size(), texts::kPartialFormat.data(), written.written,
                      command.size());
        return {0, std::string(texts::kSendFailedPrefix) + command + ": " + line.data()};
    }
    std::snprintf(line.data(), line.size(), texts::kSentFormat.data(),
                  static_cast<int>(command.size()), command.c_str());
    return {static_cast<int>(command.size()), line.data()};
}

}  // namespace kavel
