#include "tests/fakes/fake_serial_device.h"

#include <algorithm>

namespace kavel::test {

bool FakeSerialDevice::Step(SerialStep step) {
    calls.push_back(step);
    return m_failing.count(step) == 0;
}

PortHandle FakeSerialDevice::Open(const std::string& path) {
    opened_paths.push_back(path);
    const bool ok = Step(SerialStep::Open);
    m_last_failure = ok ? OpenFailure{} : open_failure;
    return ok ? m_next_handle++ : kInvalidHandle;
}

bool FakeSerialDevice::GetCommState(PortHandle, Dcb& dcb) {
    if (!Step(SerialStep::GetState)) return false;
    dcb = reported;
    return true;
}

bool FakeSerialDevice::SetCommState(PortHandle, const Dcb& dcb) {
    applied.push_back(dcb);
    return Step(SerialStep::SetState);
}

bool FakeSerialDevice::SetCommTimeouts(PortHandle, const CommTimeouts&) {
    return Step(SerialStep::SetTimeouts);
}

bool FakeSerialDevice::ClearCommError(PortHandle) { return Step(SerialStep::ClearError); }

bool FakeSerialDevice::SetupComm(PortHandle, std::uint32_t, std::uint32_t) {
    return Step(SerialStep::Setup);
}

WriteResult FakeSerialDevice::Write(PortHandle handle, const char* data, std::size_t size) {
    write_handles.push_back(handle);
    if (!Step(SerialStep::Write)) return {false, 0, "Input/output error"};
    const std::size_t taken = std::min(size, m_take_at_most);
    writes.emplace_back(data, taken);
    return {true, taken, {}};
}

bool FakeSerialDevice::Close(PortHandle handle) {
    closed.push_back(handle);
    return Step(SerialStep::Close);
}

}  // namespace kavel::test
