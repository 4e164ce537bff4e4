#pragma once
// The serial device on Linux, through termios2 so that any baud rate can be set.

#include "platform/serial_device.h"

namespace kavel::posix {

class PosixSerialDevice final : public ISerialDevice {
public:
    PortHandle Open(const std::string& path) override;
    OpenFailure LastOpenFailure() const override { return m_last_failure; }
    bool GetCommState(PortHandle handle, Dcb& dcb) override;
    bool SetCommState(PortHandle handle, const Dcb& dcb) override;
    bool SetCommTimeouts(PortHandle handle, const CommTimeouts& timeouts) override;
    bool ClearCommError(PortHandle handle) override;
    bool SetupComm(PortHandle handle, std::uint32_t in_queue, std::uint32_t out_queue) override;
    WriteResult Write(PortHandle handle, const char* data, std::size_t size) override;
    bool Close(PortHandle handle) override;

private:
    OpenFailure m_last_failure;
};

}  // namespace kavel::posix
