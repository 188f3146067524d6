// Dialogs with control children for the control skinner tests: a skinned
// host dialog that records its children's notifications, children made in
// it, and pixels read in a control's client area.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace ctlwin {

// A visible modeless dialog (client roughly width x height) whose dialog
// procedure records WM_COMMAND notifications and sizes owner-drawn items.
HWND CreateHostDialog(int width, int height);
// A child control of `parent` at client pixels (x, y), given the dialog's font.
HWND AddChild(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle, RECT box, int id,
              const wchar_t* text = L"");
// (control id, notification code) pairs in the order they came.
std::vector<std::pair<int, int>>& Notifications();
// Pixel at client coordinates of `hwnd`.
COLORREF ClientPixel(HWND hwnd, int x, int y);
// Bounding box of the client pixels inside `area` that are close to
// `colour` (or, with `matching` false, that are not); empty when there are
// none. Text is found as what differs from its background: its edges are
// smoothed into it.
RECT ColourBox(HWND hwnd, const RECT& area, COLORREF colour, bool matching = true);

} // namespace ctlwin
