#pragma once
// The bare window's client: a child window with as many system controls as Kavel's panel, at the
// same rectangles (five SCROLLBAR, five EDIT, a check box and three push buttons). It paints
// nothing of its own; each scroll notification it gets is printed as "vscroll ID CODE", so a
// test can see a click arrive.

#include <windows.h>

class BarePanel {
public:
    static void Register(HINSTANCE instance);
    static HWND Create(HWND parent, int id);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static void CreateControls(HWND panel);
};
