// Answers the GUI tests' questions about another program's windows from inside the same Wine
// prefix (wine_gui.py runs it):
//   window_query client TITLE [ID]   the client area, in screen coordinates, of the visible
//                                    top-level window TITLE or of its descendant with control
//                                    id ID, as "X Y WIDTH HEIGHT"
//   window_query text TITLE ID       that descendant's text
//   window_query frame TITLE         the whole window TITLE, frame and caption included
// Exits with 1 while there is no such window.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr UINT kReplyTimeoutMs = 5000;

HWND FindDescendant(HWND top, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        top,
        [](HWND child, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(child) == search->id) search->found = child;
            return search->found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) return 2;
    HWND window = FindWindowA(nullptr, argv[2]);
    if (window != nullptr && argc > 3) window = FindDescendant(window, std::atoi(argv[3]));
    if (window == nullptr || !IsWindowVisible(window)) return 1;
    if (std::string_view(argv[1]) == "text") {
        char text[1024] = {};
        SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, kReplyTimeoutMs, nullptr);
        std::printf("%s\n", text);
        return 0;
    }
    if (std::string_view(argv[1]) == "frame") {
        RECT frame{};
        GetWindowRect(window, &frame);
        std::printf("%ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
                    frame.bottom - frame.top);
        return 0;
    }
    RECT client{};
    POINT origin{};
    GetClientRect(window, &client);
    ClientToScreen(window, &origin);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    return 0;
}
