#include "tests/fakes/fake_serial_device.h"

#include <algorithm>

namespace kavel::test {

bool FakeSerialDevice::Failing(SerialStep step) const {
    const auto it = m_failing.find(step);
    return it != m_failing.end() && it->second;
}

PortHandle FakeSerialDevice::Open(const std::string& path) {
    calls.push_back(SerialStep::Open);
    opened_paths.push_back(path);
    m_last_failure = Failing(SerialStep::Open) ? open_failure : OpenFailure{};
    return Failing(SerialStep::Open) ? kInvalidHandle : m_next_handle++;
}

bool FakeSerialDevice::GetCommState(PortHandle, Dcb& dcb) {
    calls.push_back(SerialStep::GetState);
    if (Failing(SerialStep::GetState)) return false;
    dcb = reported;
    return true;
}

bool FakeSerialDevice::SetCommState(PortHandle, const Dcb& dcb) {
    calls.push_back(SerialStep::SetState);
    applied.push_back(dcb);
    return !Failing(SerialStep::SetState);
}

bool FakeSerialDevice::SetCommTimeouts(PortHandle, const CommTimeouts& t) {
    calls.push_back(SerialStep::SetTimeouts);
    timeouts.push_back(t);
    return !Failing(SerialStep::SetTimeouts);
}

bool FakeSerialDevice::ClearCommError(PortHandle) {
    calls.push_back(SerialStep::ClearError);
    return !Failing(SerialStep::ClearError);
}

bool FakeSerialDevice::SetupComm(PortHandle, std::uint32_t in_queue, std::uint32_t out_queue) {
    calls.push_back(SerialStep::Setup);
    queue_in = in_queue;
    queue_out = out_queue;
    return !Failing(SerialStep::Setup);
}

WriteResult FakeSerialDevice::Write(PortHandle handle, const char* data, std::size_t size) {
    calls.push_back(SerialStep::Write);
    write_handles.push_back(handle);
    if (Failing(SerialStep::Write)) return {false, 0, m_write_error};
    const std::size_t taken = std::min(size, m_take_at_most);
    written.append(data, taken);
    writes.emplace_back(data, taken);
    return {true, taken, {}};
}

bool FakeSerialDevice::Close(PortHandle handle) {
    calls.push_back(SerialStep::Close);
    closed.push_back(handle);
    return !Failing(SerialStep::Close);
}

}  // namespace kavel::test
