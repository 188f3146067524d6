// Redirection of the system's eight scroll-bar functions (EnableScrollBar,
// GetScrollInfo, GetScrollPos, GetScrollRange, SetScrollInfo, SetScrollPos,
// SetScrollRange, ShowScrollBar) to the scroll-bar engine for the windows
// it drives. On x86-64 the import-address-table entries (delay-load ones
// included) of every module loaded at install time are pointed at our
// dispatchers, except in the system's own user-interface modules (user32,
// win32u), whose inner calls stay the system's. Every other window still
// reaches the system. Installed at start-up, removed at shutdown, which
// puts every entry back.
#pragma once

#include <windows.h>

#include <cstddef>

bool InstallScrollInterception();
void RemoveScrollInterception();
bool ScrollInterceptionInstalled();

// The system's own functions, whatever the import tables say.
struct SystemScrollFunctions {
    BOOL(WINAPI* enableScrollBar)(HWND, UINT, UINT) = nullptr;
    BOOL(WINAPI* getScrollInfo)(HWND, int, LPSCROLLINFO) = nullptr;
    int(WINAPI* getScrollPos)(HWND, int) = nullptr;
    BOOL(WINAPI* getScrollRange)(HWND, int, LPINT, LPINT) = nullptr;
    int(WINAPI* setScrollInfo)(HWND, int, LPCSCROLLINFO, BOOL) = nullptr;
    int(WINAPI* setScrollPos)(HWND, int, int, BOOL) = nullptr;
    BOOL(WINAPI* setScrollRange)(HWND, int, int, int, BOOL) = nullptr;
    BOOL(WINAPI* showScrollBar)(HWND, int, BOOL) = nullptr;
};
const SystemScrollFunctions& SystemScroll();

// Import entries redirected in `module` now (0 when it has none or the
// interception is off), for tests and diagnostics.
std::size_t RedirectedEntries(HMODULE module);
