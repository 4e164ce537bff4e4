#include "dialogs/win32/win32_port_lister.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace kavel::win32 {
namespace {

constexpr wchar_t kSerialCommKey[] = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";
// Names and port texts are short; a longer value is no port and is skipped.
constexpr DWORD kMaxChars = 256;

class Win32PortLister final : public IPortLister {
public:
    std::vector<SystemPort> AvailablePorts() const override {
        std::vector<SystemPort> ports;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSerialCommKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return ports;
        }
        for (DWORD index = 0;; ++index) {
            wchar_t device[kMaxChars] = {};
            wchar_t port[kMaxChars + 1] = {};  // one more: the data may come without its NUL
            DWORD device_chars = kMaxChars;
            DWORD port_bytes = kMaxChars * sizeof(wchar_t);
            DWORD type = 0;
            const LONG status = RegEnumValueW(key, index, device, &device_chars, nullptr, &type,
                                              reinterpret_cast<BYTE*>(port), &port_bytes);
            if (status == ERROR_NO_MORE_ITEMS) break;
            if (status == ERROR_SUCCESS && type == REG_SZ) {
                ports.push_back({Narrow(port), Narrow(device), {}});
            }
        }
        RegCloseKey(key);
        return ports;
    }
};

}  // namespace

const IPortLister& SystemPortLister() {
    static const Win32PortLister lister;
    return lister;
}

}  // namespace kavel::win32
