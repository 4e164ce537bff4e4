#pragma once
// The panel's serial link: open and configure the port named in the port settings record,
// close it, and write commands. Everything is synchronous; the pauses freeze the caller.

#include <string>

#include "platform/dcb.h"
#include "platform/message_box.h"
#include "platform/serial_device.h"
#include "platform/settings_store.h"
#include "platform/sleeper.h"
#include "core/csio.h"

namespace kavel {

struct SendReport {
    int result = 0;       // characters sent, or 0 when refused or failed
    std::string status3;  // the new text of status line 3
};

class SerialLink {
public:
    // Pauses of a connect, in order: before SetCommState, before SetCommTimeouts, before
    // ClearCommError, before SetupComm.
    static constexpr unsigned kPauseBeforeState = 1000;
    static constexpr unsigned kPauseBeforeTimeouts = 2000;
    static constexpr unsigned kPauseBeforeClear = 500;
    static constexpr unsigned kPauseBeforeSetup = 500;
    static constexpr std::uint32_t kQueueSize = 16384;
    static constexpr std::uint32_t kReadTotalTimeout = 2000;

    SerialLink(ISerialDevice& device, ISettingsStore& store, IMessageBox& messages,
               ISleeper& sleeper);
    virtual ~SerialLink();  // closes a held handle without a message

    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    bool OpenPort();
    bool ClosePort();
    // Status line 3 after an OpenPort: that the stored port name is too long to read (so the
    // default port was used), else why the device could not be opened and what to do; empty
    // after any other outcome or where the system did not say.
    const std::string& ConnectNotice() const { return m_connect_notice; }
    // Formats and writes one command; refuses when not connected.
    SendReport Send(char letter, int value, bool connected);

    bool m_port_open = false;
    PortHandle m_port_handle = kInvalidHandle;
    Dcb m_dcb{};
    CSio m_sio;

private:
    bool ReadPortPath(std::string& path);
    bool AcquireHandle(const std::string& path);
    void ReadLineSettings();
    bool ApplyLineSettings();

    ISerialDevice& m_device;
    ISettingsStore& m_store;
    IMessageBox& m_messages;
    ISleeper& m_sleeper;
    std::string m_connect_notice;
};

}  // namespace kavel
