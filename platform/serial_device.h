#pragma once
// The serial port as the link's open sequence sees it: one call per step, each reporting
// success or failure, so that the link's code reads like the sequence it implements.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/dcb.h"

namespace kavel {

using PortHandle = std::intptr_t;
inline constexpr PortHandle kInvalidHandle = -1;

// Read and write timeouts in milliseconds; 0 means "no timeout" for the totals.
struct CommTimeouts {
    std::uint32_t read_interval = 0;
    std::uint32_t read_total_multiplier = 0;
    std::uint32_t read_total_constant = 0;
    std::uint32_t write_total_multiplier = 0;
    std::uint32_t write_total_constant = 0;
};

struct WriteResult {
    bool ok = false;          // the call itself succeeded
    std::size_t written = 0;  // bytes the device took
    std::string error;        // the system's error text when !ok
};

// Why the last Open failed, as far as the system tells.
struct OpenFailure {
    enum class Kind { None, Missing, Busy, PermissionDenied, Other };
    Kind kind = Kind::None;
    std::string device;  // the system's name of the device, e.g. "/dev/ttyACM0"
    std::string group;   // for PermissionDenied: the group that may use the device, if known
    std::string reason;  // the system's text
};

class ISerialDevice {
public:
    virtual ~ISerialDevice() = default;
    // Opens the device for exclusive, synchronous reading and writing.
    virtual PortHandle Open(const std::string& path) = 0;
    // Why the last Open failed; Kind::None after a successful one, or where the system does
    // not tell.
    virtual OpenFailure LastOpenFailure() const { return {}; }
    virtual bool GetCommState(PortHandle handle, Dcb& dcb) = 0;
    virtual bool SetCommState(PortHandle handle, const Dcb& dcb) = 0;
    virtual bool SetCommTimeouts(PortHandle handle, const CommTimeouts& timeouts) = 0;
    virtual bool ClearCommError(PortHandle handle) = 0;
    virtual bool SetupComm(PortHandle handle, std::uint32_t in_queue, std::uint32_t out_queue) = 0;
    // Blocks until the device has taken the bytes or failed.
    virtual WriteResult Write(PortHandle handle, const char* data, std::size_t size) = 0;
    virtual bool Close(PortHandle handle) = 0;
};

}  // namespace kavel
