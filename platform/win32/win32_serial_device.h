#pragma once
// The serial device on Windows: the Win32 communications calls themselves, on a handle opened
// for synchronous input and output without sharing.

#include "platform/serial_device.h"

namespace kavel::win32 {

class Win32SerialDevice final : public ISerialDevice {
public:
    // CreateFileW on the path as it stands ("//./COM5" and "\\.\COM5" name the same device).
    PortHandle Open(const std::string& path) override;
    OpenFailure LastOpenFailure() const override { return m_last_failure; }
    bool GetCommState(PortHandle handle, Dcb& dcb) override;
    // Sends every field of the record; the system decides what it accepts.
    bool SetCommState(PortHandle handle, const Dcb& dcb) override;
    bool SetCommTimeouts(PortHandle handle, const CommTimeouts& timeouts) override;
    bool ClearCommError(PortHandle handle) override;
    bool SetupComm(PortHandle handle, std::uint32_t in_queue, std::uint32_t out_queue) override;
    // One synchronous WriteFile; a failure carries FormatMessage's text.
    WriteResult Write(PortHandle handle, const char* data, std::size_t size) override;
    bool Close(PortHandle handle) override;

private:
    OpenFailure m_last_failure;
};

}  // namespace kavel::win32
