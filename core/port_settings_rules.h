#pragma once
// How the two readers of the port settings record turn its texts into their own terms.
// A value that is absent or does not fit the 50-byte buffer arrives here as nullopt.

#include <optional>
#include <string>

#include "platform/dcb.h"
#include "platform/settings_store.h"

namespace kavel::rules {

using Text = std::optional<std::string>;
using Position = std::optional<int>;  // a list position, or no selection

// Reads one record value through the 50-byte buffer.
Text ReadValue(ISettingsKey& key, std::string_view name);
// A value that is stored but does not fit that buffer (it reads as missing).
bool TooLongToRead(ISettingsKey& key, std::string_view name);

// The Com Settings dialog's selections (list positions of the record's text tables).
Position DialogSpeed(const Text& stored);
Position DialogStopBits(const Text& stored);
Position DialogParity(const Text& stored);
Position DialogDataBits(const Text& stored);
Position DialogPort(const Text& stored);

// The parity-name rule: "None" .. "Space" in any letter case, else nothing.
std::optional<std::uint8_t> ParityCode(const std::string& text);

// The panel's connect.
std::string PortPath(const Text& stored);  // "//./" + text, or "//./Com3"
std::uint32_t PanelBaudRate(const Text& stored);
std::uint8_t PanelStopBits(const Text& stored);
// Parity to use; an unknown name keeps what the device reported.
std::uint8_t PanelParity(const Text& stored, std::uint8_t reported);
std::uint8_t PanelByteSize(const Text& stored);

// The line settings used when the key cannot be opened a second time.
void ApplyKeyMissingFallback(Dcb& dcb);
// The flag word every connect sets, whatever the record says.
void ApplyFlagWord(Dcb& dcb);

}  // namespace kavel::rules
