// Skinned popup menus for applications and for the runtime's own frames.
#pragma once

#include <windows.h>

// Shows `menu` as a skinned popup with its top-left corner at the screen
// point (x, y), kept on the work area, and returns when menu mode ends. The
// chosen command reaches `owner` as a posted WM_COMMAND, or WM_SYSCOMMAND
// when `systemMenu` is set. Always returns 0.
int SkinTrackPopupMenu(HMENU menu, int x, int y, HWND owner, bool systemMenu);

// The window's system menu as a skinned popup at the cursor: restore, size,
// move, minimize, maximize and close enabled for the window's state (next
// window too for an MDI child). Returns 0; nothing shows for a window
// without a system menu.
int SkinShowSystemMenu(HWND window);
