#include "core/csio.h"

namespace kavel {

WriteResult CSio::Write(ISerialDevice& device, std::string_view bytes) const {
    return device.Write(m_handle, bytes.data(), bytes.size());
}

}  // namespace kavel
