#include "bench/win32/first_paint_probe.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

namespace {

// 100-ns steps between 1601 (the system's epoch) and 1970 (the host's).
constexpr unsigned long long kUnixEpochIn100ns = 116444736000000000ULL;
constexpr UINT_PTR kSubclassId = 1;

HHOOK g_hook = nullptr;
UINT g_frame_shown = 0;  // a registered message the probe posts to the frame

unsigned long long Microseconds(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 10;
}

void ReportAndExit(HWND frame) {
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    FILETIME now{}, created{}, exited{}, kernel{}, user{};
    GetSystemTimePreciseAsFileTime(&now);
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    std::printf("first_paint_unix_us=%llu\ncpu_us=%llu\n",
                Microseconds(now) - kUnixEpochIn100ns / 10,
                Microseconds(kernel) + Microseconds(user));
    std::fflush(stdout);
    ExitProcess(0);
}

LRESULT CALLBACK Probe(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                       DWORD_PTR) {
    // A message posted when the frame is shown arrives once the message loop runs, after
    // whatever start-up did right after showing it.
    if (message == WM_SHOWWINDOW && wparam) PostMessageW(window, g_frame_shown, 0, 0);
    if (message == g_frame_shown) ReportAndExit(window);
    return DefSubclassProc(window, message, wparam, lparam);
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
        if (create->hwndParent == nullptr && (create->style & WS_CAPTION) == WS_CAPTION) {
            SetWindowSubclass(reinterpret_cast<HWND>(wparam), Probe, kSubclassId, 0);
            UnhookWindowsHookEx(g_hook);
            return 0;
        }
    }
    return CallNextHookEx(g_hook, code, wparam, lparam);
}

// Installed before the program's entry point runs, on its main thread.
const bool g_installed = [] {
    g_frame_shown = RegisterWindowMessageW(L"KavelFirstPaintProbe");
    g_hook = SetWindowsHookExW(WH_CBT, WatchCreation, nullptr, GetCurrentThreadId());
    return g_hook != nullptr;
}();

}  // namespace
