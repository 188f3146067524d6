// The window's system menu as the system-menu caption button shows it: the
// system menu's own texts, items enabled for the window's state.
#pragma once

#include <windows.h>

// A popup with restore, size, move, minimize, maximize, close (and next
// window for an MDI child) carrying the texts of the window's system menu;
// items without a text there are left out, items it disables stay disabled.
// Null when nothing is left. The caller destroys it.
HMENU BuildSystemMenuPopup(HWND hwnd);

// Shows that popup as a skinned system menu just right of `screen`; the
// chosen command is posted as WM_SYSCOMMAND. Runs a menu loop: the window
// (and its skinner) may be gone when it returns.
void TrackSystemMenu(HWND hwnd, POINT screen);
