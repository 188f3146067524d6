// Passing a message on to a control's own procedure without letting it
// paint: the system controls draw at once when their text, state or font
// changes, which would flash their own look over the skinned one.
#pragma once

#include <windows.h>

// Runs `prev` (DefWindowProcW when null) with WS_VISIBLE taken off the
// style and puts it back afterwards, keeping every other bit the call
// changed (a radio button moves its tab stop when it is checked).
LRESULT CallHidden(WNDPROC prev, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
