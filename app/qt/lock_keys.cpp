#include "app/qt/lock_keys.h"

#include <QGuiApplication>

#if defined(KAVEL_HAVE_X11)
// X11 headers last: they define macros (None, Bool, KeyPress...) that clash with Qt's names.
#include <X11/XKBlib.h>
#endif

namespace kavel {

#if defined(KAVEL_HAVE_X11)
namespace {

bool IndicatorOn(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0) return false;  // no such indicator on this server
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on != False;
}

}  // namespace

std::optional<LockKeys> QueryLockKeys() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return std::nullopt;
    return LockKeys{IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
                    IndicatorOn(display, "Scroll Lock")};
}
#else
std::optional<LockKeys> QueryLockKeys() { return std::nullopt; }
#endif

}  // namespace kavel
