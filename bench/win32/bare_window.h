#pragma once
// A bare Win32 main window to measure Kavel's start-up against: a menu bar built from a small
// table, a comctl32 toolbar with Kavel's five entries and pictures, a four-pane status bar, and
// the bare panel (bare_panel.h) filling the rest. No looks, no settings, no painting of its own.

#include <windows.h>

class BareWindow {
public:
    static void Register(HINSTANCE instance);
    // Creates and shows the window; null when it could not be created.
    static HWND Create(HINSTANCE instance, int show);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static HMENU CreateMenuBar();
    static void CreateBars(HWND frame, int width);
    static void Layout(HWND frame);
};
