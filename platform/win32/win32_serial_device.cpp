#include "platform/win32/win32_serial_device.h"

#include <windows.h>

#include "platform/win32/system_error_text.h"
#include "platform/win32/wide_text.h"

namespace kavel::win32 {
namespace {

HANDLE Native(PortHandle handle) { return reinterpret_cast<HANDLE>(handle); }

// The program's record and the system's DCB have the same fields under the same names.
template <typename From, typename To>
void CopyDcbFields(const From& in, To& out) {
    out.BaudRate = in.BaudRate;
    out.fBinary = in.fBinary;
    out.fParity = in.fParity;
    out.fOutxCtsFlow = in.fOutxCtsFlow;
    out.fOutxDsrFlow = in.fOutxDsrFlow;
    out.fDtrControl = in.fDtrControl;
    out.fDsrSensitivity = in.fDsrSensitivity;
    out.fTXContinueOnXoff = in.fTXContinueOnXoff;
    out.fOutX = in.fOutX;
    out.fInX = in.fInX;
    out.fErrorChar = in.fErrorChar;
    out.fNull = in.fNull;
    out.fRtsControl = in.fRtsControl;
    out.fAbortOnError = in.fAbortOnError;
    out.XonLim = in.XonLim;
    out.XoffLim = in.XoffLim;
    out.ByteSize = in.ByteSize;
    out.Parity = in.Parity;
    out.StopBits = in.StopBits;
    out.XonChar = in.XonChar;
    out.XoffChar = in.XoffChar;
    out.ErrorChar = in.ErrorChar;
    out.EofChar = in.EofChar;
    out.EvtChar = in.EvtChar;
}

// Why CreateFileW failed. Windows reports a port that another program holds as "access
// denied", since serial ports are never shared.
OpenFailure FailureOf(const std::string& path, DWORD error) {
    OpenFailure failure{OpenFailure::Kind::Other, path, {}, SystemErrorText(error)};
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            failure.kind = OpenFailure::Kind::Missing;
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            failure.kind = OpenFailure::Kind::Busy;
            break;
        default:
            break;
    }
    return failure;
}

}  // namespace

PortHandle Win32SerialDevice::Open(const std::string& path) {
    const HANDLE handle = CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                      0,  // no sharing
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_last_failure = FailureOf(path, error);
        SetLastError(error);  // as CreateFileW left it, for whoever asks the system
        return kInvalidHandle;
    }
    m_last_failure = {};
    return reinterpret_cast<PortHandle>(handle);
}

bool Win32SerialDevice::GetCommState(PortHandle handle, Dcb& dcb) {
    DCB native{};
    native.DCBlength = sizeof(native);
    if (!::GetCommState(Native(handle), &native)) return false;
    CopyDcbFields(native, dcb);
    return true;
}

bool Win32SerialDevice::SetCommState(PortHandle handle, const Dcb& dcb) {
    DCB native{};
    native.DCBlength = sizeof(native);
    CopyDcbFields(dcb, native);
    return ::SetCommState(Native(handle), &native) != FALSE;
}

bool Win32SerialDevice::SetCommTimeouts(PortHandle handle, const CommTimeouts& timeouts) {
    COMMTIMEOUTS native{};
    native.ReadIntervalTimeout = timeouts.read_interval;
    native.ReadTotalTimeoutMultiplier = timeouts.read_total_multiplier;
    native.ReadTotalTimeoutConstant = timeouts.read_total_constant;
    native.WriteTotalTimeoutMultiplier = timeouts.write_total_multiplier;
    native.WriteTotalTimeoutConstant = timeouts.write_total_constant;
    return ::SetCommTimeouts(Native(handle), &native) != FALSE;
}

bool Win32SerialDevice::ClearCommError(PortHandle handle) {
    DWORD errors = 0;
    COMSTAT status{};
    return ::ClearCommError(Native(handle), &errors, &status) != FALSE;
}

bool Win32SerialDevice::SetupComm(PortHandle handle, std::uint32_t in_queue,
                                  std::uint32_t out_queue) {
    return ::SetupComm(Native(handle), in_queue, out_queue) != FALSE;
}

WriteResult Win32SerialDevice::Write(PortHandle handle, const char* data, std::size_t size) {
    WriteResult result;
    DWORD written = 0;
    if (!WriteFile(Native(handle), data, static_cast<DWORD>(size), &written, nullptr)) {
        result.error = SystemErrorText(GetLastError());
        return result;
    }
    result.ok = true;
    result.written = written;
    return result;
}

bool Win32SerialDevice::Close(PortHandle handle) {
    // INVALID_HANDLE_VALUE is also the current process's pseudo handle, which "closes" fine.
    if (handle == kInvalidHandle) return false;
    return CloseHandle(Native(handle)) != FALSE;
}

}  // namespace kavel::win32
