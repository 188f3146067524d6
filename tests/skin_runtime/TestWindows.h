// Windows for the runtime tests: dialogs from in-memory templates, plain
// frame windows, message pumping and pixel reading.
#pragma once

#include <windows.h>

#include <string>

namespace testwin {

// A modeless dialog (class "#32770") of the given style, client size in
// pixels roughly width x height, optionally with one static child (id 100).
HWND CreateDialogWindow(DWORD style, int width, int height, bool withStatic = false, HWND owner = nullptr);
// A private window class with the default procedure (registered once).
const wchar_t* PlainClass();
// An overlapped window of that class.
HWND CreateFrameWindow(DWORD style, int width, int height);
// Runs the thread's messages until none is left (and at least `ms` passed).
void Pump(int ms = 0);
// Pixel in window coordinates, read from the window's own device context.
COLORREF WindowPixel(HWND hwnd, int x, int y);
bool CloseColour(COLORREF a, COLORREF b, int tolerance = 8);
SIZE ClientSize(HWND hwnd);

} // namespace testwin
