#pragma once
// The serial I/O object: holds the copy of the port handle through which commands are written.
// It never opens, closes or resets the handle; the panel's link does.

#include <string_view>

#include "platform/serial_device.h"

namespace kavel {

class CSio {
public:
    WriteResult Write(ISerialDevice& device, std::string_view bytes) const;

    PortHandle m_handle = kInvalidHandle;
};

}  // namespace kavel
