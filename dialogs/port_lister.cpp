#include "dialogs/port_lister.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "core/number_parse.h"
#include "core/port_settings_record.h"

namespace kavel {
namespace {

#ifdef _WIN32
// "Com<n>" is the device "COM<n>" itself.
bool NamedByComItem(const std::string& name) {
    for (int n = 1; n <= record::kPortCount; ++n) {
        const std::string com = "COM" + std::to_string(n);
        if (std::equal(name.begin(), name.end(), com.begin(), com.end(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == b;
            })) {
            return true;
        }
    }
    return false;
}
#else
// "Com<n>" is opened as /dev/ttyS<n-1>.
bool NamedByComItem(const std::string& name) {
    for (int n = 1; n <= record::kPortCount; ++n) {
        if (name == "ttyS" + std::to_string(n - 1)) return true;
    }
    return false;
}
#endif

}  // namespace

std::vector<SystemPort> ExtraPortEntries(const std::vector<SystemPort>& reported) {
    std::vector<SystemPort> entries;
    std::set<std::string> seen;
    for (const SystemPort& port : reported) {
        if (port.name.empty() || NamedByComItem(port.name)) continue;
        // A name longer than the record's readers take would be stored and then read as
        // missing, so that the next connect opened the default port instead.
        if (Utf16Length(port.name) > record::kValueMaxChars) continue;
        if (!seen.insert(port.name).second) continue;
        entries.push_back(port);
    }
    return entries;
}

std::string PortToolTip(const SystemPort& port) {
    std::string tip = port.description;
    if (!port.manufacturer.empty()) {
        if (!tip.empty()) tip += '\n';
        tip += port.manufacturer;
    }
    return tip;
}

}  // namespace kavel
