// The two per-thread hooks: window creation (a call-window-procedure hook
// acting on WM_CREATE) and the keyboard.
#pragma once

#include <windows.h>

LRESULT CALLBACK CreationHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

// What the creation hook does for a window about to handle WM_CREATE.
void SkinNewWindow(HWND hwnd);
