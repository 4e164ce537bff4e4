#include "app/look_selection.h"

#include <algorithm>
#include <iterator>

namespace kavel {
namespace {

using res::kAppLooks;

const res::AppLook* FindLook(int id) {
    const auto it = std::find_if(std::begin(kAppLooks), std::end(kAppLooks),
                                 [id](const res::AppLook& look) { return look.command_id == id; });
    return it == std::end(kAppLooks) ? nullptr : &*it;
}

}  // namespace

bool IsLookCommand(int id) {
    const auto [low, high] = std::minmax_element(
        std::begin(kAppLooks), std::end(kAppLooks),
        [](const res::AppLook& a, const res::AppLook& b) { return a.command_id < b.command_id; });
    return id >= low->command_id && id <= high->command_id;
}

LookSelection SelectLook(int id, LookSelection current) {
    const res::AppLook* look = FindLook(id);
    if (!look) return {res::VisualManager::Office2007, current.office2007_style};
    if (look->office2007_style != res::kNotOffice2007)
        current.office2007_style = look->office2007_style;
    current.manager = look->manager;
    return current;
}

const res::LookColours& ColoursOf(LookSelection selection) {
    const res::AppLook* blue = nullptr;
    for (const res::AppLook& look : kAppLooks) {
        if (look.manager != selection.manager) continue;
        if (look.office2007_style == res::kNotOffice2007 ||
            look.office2007_style == selection.office2007_style)
            return look.colours;
        if (look.office2007_style == res::kOffice2007Blue) blue = &look;
    }
    return blue ? blue->colours : kAppLooks[0].colours;
}

}  // namespace kavel
