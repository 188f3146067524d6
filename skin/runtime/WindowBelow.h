// Which window paints what shows through a transparent control.
#pragma once

#include <windows.h>

// A tab control sibling that wholly contains the control (the control sits
// on one of its pages), else the control's parent.
HWND WindowBelow(HWND control);

// Paints into `dc` (the control's client coordinates) what the window below
// shows under the control, or the system face colour over `client` when it
// cannot.
void PaintWindowBelow(HDC dc, HWND control, const RECT& client);
