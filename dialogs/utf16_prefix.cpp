#include "dialogs/utf16_prefix.h"

namespace kavel::dlg {

std::string Utf16Prefix(std::string_view text, std::size_t max_units) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;  // continuation byte
        units += c >= 0xF0 ? 2 : 1;
        if (units > max_units) return std::string(text.substr(0, i));
    }
    return std::string(text);
}

}  // namespace kavel::dlg
