#pragma once
// Texts the serial link shows: message boxes and status line 3.

#include <string_view>

namespace kavel::texts {

inline constexpr std::string_view kRegistryUnreadable =
    "Unable read the comm port name from the registry.\nPlease check the port settings ?";
inline constexpr std::string_view kCantOpenPrefix = "Can't open com port ";
inline constexpr std::string_view kCantOpenSuffix =
    "\nPlease check the com port settings in the Options menu."
    "\n\nThis program uses the //./com3 format when opening the port"
    "\nbecause this was needed in earlier 64 bit versions of Windows.";
inline constexpr std::string_view kSetCommStateFailed =
    "SetCommState\nCould not set communication state \n openport aborted";
inline constexpr std::string_view kSetCommTimeoutsFailed =
    "SetCommTimeouts\nCould not set communication timeouts\n openport aborted";
inline constexpr std::string_view kCantClose = "Can't close port.";

// Status line 3 after the port could not be opened, beside the message box: the device, the
// reason and the cure ("%s" is the device, then the group that may use it).
inline constexpr std::string_view kOpenDeniedFormat =
    "3.  %s: permission denied - add your user to the %s group";
inline constexpr std::string_view kDefaultPortGroup = "dialout";
inline constexpr std::string_view kOpenBusyFormat =
    "3.  %s: in use by another program - close it, then connect again";
inline constexpr std::string_view kOpenMissingFormat =
    "3.  %s: no such device - plug the board in or choose its port in Options > Comm settings";
// Any other reason: the device and the system's text.
inline constexpr std::string_view kOpenOtherFormat = "3.  %s: %s";
// A stored port name the link cannot read, so that the default port is used instead: the limit
// and that port.
inline constexpr std::string_view kPortTooLongFormat =
    "3.  Port name in the settings longer than %d characters - using %s";

inline constexpr std::string_view kNotOpen = "3. Can't send, the comms port is not open";
// "3.  %d bytes sent - %s" (two blanks after "3.")
inline constexpr std::string_view kSentFormat = "3.  %d bytes sent - %s";
// A send the device did not take: "3.  Send failed - l162: " + reason.
inline constexpr std::string_view kSendFailedPrefix = "3.  Send failed - ";
inline constexpr std::string_view kPartialFormat = "only %zu of %zu bytes taken";

}  // namespace kavel::texts
