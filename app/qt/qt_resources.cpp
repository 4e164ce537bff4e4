#include "app/qt/qt_resources.h"

#include "res/menus.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace kavel {
namespace {

using namespace ids;

// The virtual keys without a regular code range.
struct NamedKey {
    std::uint16_t vk;
    Qt::Key key;
};
constexpr NamedKey kNamedKeys[] = {
    {res::vk::kBack, Qt::Key_Backspace},
    {res::vk::kInsert, Qt::Key_Insert},
    {res::vk::kDelete, Qt::Key_Delete},
};
constexpr int kFunctionKeys = 24;

Qt::Key KeyOf(std::uint16_t vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return static_cast<Qt::Key>(vk);
    if (vk >= res::vk::kF1 && vk < res::vk::kF1 + kFunctionKeys)
        return static_cast<Qt::Key>(Qt::Key_F1 + (vk - res::vk::kF1));
    for (const NamedKey& named : kNamedKeys) {
        if (named.vk == vk) return named.key;
    }
    return Qt::Key_unknown;
}

}  // namespace

QString LoadString(int id) { return ToQString(res::StringFor(id)); }
QString PromptFor(int id) { return ToQString(res::PromptFor(id)); }
QString TooltipFor(int id) { return ToQString(res::TooltipFor(id)); }
QString PlainMenuText(std::string_view text) { return ToQString(res::PlainMenuText(text)); }

QKeyCombination ToQtKeys(const res::Accelerator& accelerator) {
    const Qt::Key key = KeyOf(accelerator.key);
    if (key == Qt::Key_unknown) return {};
    Qt::KeyboardModifiers modifiers;
    if (accelerator.flags & res::kControl) modifiers |= Qt::ControlModifier;
    if (accelerator.flags & res::kShift) modifiers |= Qt::ShiftModifier;
    if (accelerator.flags & res::kAlt) modifiers |= Qt::AltModifier;
    return QKeyCombination(modifiers, key);
}

QString ToolbarImagePath(int id, bool hicolor) {
    const char* name = nullptr;
    switch (id) {
        case ID_EDIT_CUT: name = "cut"; break;
        case ID_EDIT_COPY: name = "copy"; break;
        case ID_EDIT_PASTE: name = "paste"; break;
        case ID_APP_ABOUT: name = "about"; break;
        default: return {};
    }
    return QStringLiteral(":/app/images/%1%2.png")
        .arg(hicolor ? QStringLiteral("tb_") : QStringLiteral("tb16_"), QLatin1String(name));
}

}  // namespace kavel
