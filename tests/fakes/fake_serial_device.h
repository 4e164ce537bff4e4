#pragma once
// A serial device that records what happens to it and fails at any chosen step.

#include <set>
#include <string>
#include <vector>

#include "platform/serial_device.h"

namespace kavel::test {

enum class SerialStep { Open, GetState, SetState, SetTimeouts, ClearError, Setup, Write, Close };

class FakeSerialDevice final : public ISerialDevice {
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

    // Makes a step fail (until cleared with Succeed).
    void Fail(SerialStep step) { m_failing.insert(step); }
    void Succeed(SerialStep step) { m_failing.erase(step); }
    // Makes the next writes take only this many bytes (partial write).
    void TakeAtMost(std::size_t bytes) { m_take_at_most = bytes; }

    // What a failing Open reports as its reason.
    OpenFailure open_failure;
    // What the device reports before the link configures it.
    Dcb reported{};

    std::vector<std::string> opened_paths;
    std::vector<SerialStep> calls;  // every call, in order
    std::vector<Dcb> applied;       // every SetCommState argument
    std::vector<PortHandle> closed;
    std::vector<PortHandle> write_handles;
    std::vector<std::string> writes;  // one entry per Write call

private:
    // Records a call of the step; false when the step is made to fail.
    bool Step(SerialStep step);

    std::set<SerialStep> m_failing;
    OpenFailure m_last_failure;
    std::size_t m_take_at_most = static_cast<std::size_t>(-1);
    PortHandle m_next_handle = 7;
};

}  // namespace kavel::test
