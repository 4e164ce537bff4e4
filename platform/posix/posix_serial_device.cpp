#include "platform/posix/posix_serial_device.h"

// termios2 lives in the kernel's headers, which clash with glibc's <termios.h>: include only
// the kernel's here.
#include <asm/termbits.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/posix/port_name.h"

namespace kavel::posix {
namespace {

constexpr unsigned kDeciseconds = 100;  // milliseconds per VTIME unit
constexpr unsigned kMaxVtime = 255;

int Fd(PortHandle handle) { return static_cast<int>(handle); }

bool GetTermios(int fd, termios2& tio) { return ioctl(fd, TCGETS2, &tio) == 0; }
bool SetTermios(int fd, const termios2& tio) { return ioctl(fd, TCSETS2, &tio) == 0; }

OpenFailure::Kind KindOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENODEV:
        case ENXIO:
            return OpenFailure::Kind::Missing;
        case EACCES:
        case EPERM:
            return OpenFailure::Kind::PermissionDenied;
        case EBUSY:
        case EWOULDBLOCK:
            return OpenFailure::Kind::Busy;
        default:
            return OpenFailure::Kind::Other;
    }
}

std::string GroupName(gid_t gid) {
    group entry{};
    group* found = nullptr;
    std::array<char, 1024> buffer{};
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
    return found->gr_name;
}

// Records why an open failed (from errno, or a reason of our own) and returns -1.
int Fail(OpenFailure& failure, const struct stat* st, int fd = -1, const char* reason = nullptr) {
    const int saved = errno;
    if (fd >= 0) close(fd);
    failure.kind = reason ? OpenFailure::Kind::Other : KindOf(saved);
    failure.reason = reason ? reason : std::strerror(saved);
    if (failure.kind == OpenFailure::Kind::PermissionDenied && st) failure.group = GroupName(st->st_gid);
    errno = saved;
    return -1;
}

// Opens without waiting for carrier, refuses anything but a terminal, and takes the port for
// this process alone. On failure, tells why.
int OpenExclusiveTerminal(const std::string& device, OpenFailure& failure) {
    failure = OpenFailure{OpenFailure::Kind::None, device, {}, {}};
    struct stat st {};
    if (device.empty()) {
        errno = ENOENT;
        return Fail(failure, nullptr);
    }
    if (stat(device.c_str(), &st) != 0) return Fail(failure, nullptr);
    if (!S_ISCHR(st.st_mode)) return Fail(failure, &st, -1, "not a serial device");
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Fail(failure, &st);
    if (!isatty(fd)) return Fail(failure, &st, fd, "not a serial device");
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) return Fail(failure, &st, fd);
    if (ioctl(fd, TIOCEXCL) != 0) return Fail(failure, &st, fd);
    // Writes block from here on.
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return Fail(failure, &st, fd);
    failure.device.clear();
    return fd;
}

tcflag_t SizeFlag(std::uint8_t bits) {
    switch (bits) {
        case 5: return CS5;
        case 6: return CS6;
        case 7: return CS7;
        default: return CS8;
    }
}

std::uint8_t SizeBits(tcflag_t cflag) {
    switch (cflag & CSIZE) {
        case CS5: return 5;
        case CS6: return 6;
        case CS7: return 7;
        default: return 8;
    }
}

tcflag_t ParityFlags(std::uint8_t parity) {
    switch (parity) {
        case kOddParity: return PARENB | PARODD;
        case kEvenParity: return PARENB;
        case kMarkParity: return PARENB | PARODD | CMSPAR;
        case kSpaceParity: return PARENB | CMSPAR;
        default: return 0;
    }
}

std::uint8_t ParityCode(tcflag_t cflag) {
    if (!(cflag & PARENB)) return kNoParity;
    if (cflag & CMSPAR) return (cflag & PARODD) ? kMarkParity : kSpaceParity;
    return (cflag & PARODD) ? kOddParity : kEvenParity;
}

constexpr tcflag_t kFramingFlags = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS;

// Raw 8-bit line: no echo, no translation, no signals; the framing comes from the record.
void BuildTermios(const Dcb& dcb, termios2& tio) {
    tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                     IXANY | INPCK);
    if (dcb.fParity) tio.c_iflag |= INPCK;
    if (dcb.fOutX) tio.c_iflag |= IXON;
    if (dcb.fInX) tio.c_iflag |= IXOFF;
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~(kFramingFlags | CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= CREAD | CLOCAL | BOTHER | (BOTHER << IBSHIFT) | SizeFlag(dcb.ByteSize) |
                   ParityFlags(dcb.Parity);
    if (dcb.StopBits == kTwoStopBits) tio.c_cflag |= CSTOPB;
    if (dcb.fOutxCtsFlow) tio.c_cflag |= CRTSCTS;
    tio.c_ispeed = dcb.BaudRate;
    tio.c_ospeed = dcb.BaudRate;
    tio.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
}

bool SameLine(const termios2& wanted, const termios2& got) {
    return (wanted.c_cflag & kFramingFlags) == (got.c_cflag & kFramingFlags) &&
           wanted.c_ospeed == got.c_ospeed;
}

// Raises DTR and RTS as asked; a device without modem lines has nothing to raise.
bool RaiseModemLines(int fd, const Dcb& dcb) {
    int lines = 0;
    if (dcb.fDtrControl == kDtrControlEnable) lines |= TIOCM_DTR;
    if (dcb.fRtsControl == kRtsControlEnable) lines |= TIOCM_RTS;
    if (lines == 0 || ioctl(fd, TIOCMBIS, &lines) == 0) return true;
    return errno == ENOTTY || errno == EINVAL;
}

}  // namespace

PortHandle PosixSerialDevice::Open(const std::string& path) {
    const int fd = OpenExclusiveTerminal(DevicePathFor(path), m_last_failure);
    return fd < 0 ? kInvalidHandle : PortHandle{fd};
}

bool PosixSerialDevice::GetCommState(PortHandle handle, Dcb& dcb) {
    termios2 tio{};
    if (!GetTermios(Fd(handle), tio)) return false;
    dcb.BaudRate = tio.c_ospeed;
    dcb.fBinary = 1;
    dcb.fParity = (tio.c_iflag & INPCK) ? 1 : 0;
    dcb.fOutxCtsFlow = (tio.c_cflag & CRTSCTS) ? 1 : 0;
    dcb.fOutX = (tio.c_iflag & IXON) ? 1 : 0;
    dcb.fInX = (tio.c_iflag & IXOFF) ? 1 : 0;
    dcb.ByteSize = SizeBits(tio.c_cflag);
    dcb.Parity = ParityCode(tio.c_cflag);
    dcb.StopBits = (tio.c_cflag & CSTOPB) ? kTwoStopBits : kOneStopBit;
    dcb.XonChar = static_cast<char>(tio.c_cc[VSTART]);
    dcb.XoffChar = static_cast<char>(tio.c_cc[VSTOP]);
    dcb.EofChar = static_cast<char>(tio.c_cc[VEOF]);
    return true;
}

bool PosixSerialDevice::SetCommState(PortHandle handle, const Dcb& dcb) {
    // Baud 0 would hang up the line; 1.5 stop bits do not exist here.
    if (dcb.BaudRate == 0 || dcb.StopBits == kOne5StopBits) return false;
    const int fd = Fd(handle);
    termios2 tio{};
    if (!GetTermios(fd, tio)) return false;
    BuildTermios(dcb, tio);
    termios2 applied{};
    if (!SetTermios(fd, tio) || !GetTermios(fd, applied) || !SameLine(tio, applied)) return false;
    return RaiseModemLines(fd, dcb);
}

bool PosixSerialDevice::SetCommTimeouts(PortHandle handle, const CommTimeouts& timeouts) {
    const int fd = Fd(handle);
    termios2 tio{};
    if (!GetTermios(fd, tio)) return false;
    // Nothing reads, but a read would return after the total read timeout.
    const unsigned vtime = timeouts.read_total_constant / kDeciseconds;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = static_cast<cc_t>(vtime > kMaxVtime ? kMaxVtime : vtime);
    return SetTermios(fd, tio);
}

bool PosixSerialDevice::ClearCommError(PortHandle handle) {
    return fcntl(Fd(handle), F_GETFD) != -1;  // no error flags to clear on Linux
}

bool PosixSerialDevice::SetupComm(PortHandle handle, std::uint32_t, std::uint32_t) {
    return fcntl(Fd(handle), F_GETFD) != -1;  // the kernel sizes its own queues
}

WriteResult PosixSerialDevice::Write(PortHandle handle, const char* data, std::size_t size) {
    WriteResult result;
    while (result.written < size) {
        const ssize_t n = write(Fd(handle), data + result.written, size - result.written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.error = std::strerror(errno);
            return result;
        }
        if (n == 0) break;  // the device takes nothing more
        result.written += static_cast<std::size_t>(n);
    }
    result.ok = true;
    return result;
}

bool PosixSerialDevice::Close(PortHandle handle) {
    if (handle == kInvalidHandle) return false;
    return close(Fd(handle)) == 0;
}

}  // namespace kavel::posix
