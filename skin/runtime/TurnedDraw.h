// Pictures drawn lying and shown turned or mirrored: vertical trackbars,
// tabs below or beside their pages, horizontal up-down arrows from the
// vertical pictures. Pixels are moved exactly, never resampled.
#pragma once

#include <windows.h>

#include <functional>

enum class Turn {
    None,
    FlipVertical, // top and bottom swapped
    Left,         // a quarter counter-clockwise (270 degrees)
    Right,        // a quarter clockwise (90 degrees)
};

// `paint` draws the unturned picture at 0,0 into a buffer of `width` x
// `height` (for a quarter turn, `dest` with its sides swapped); the result
// goes to `dest` of `dc`. With `keyed` the buffer starts in `key` and its
// pixels of that colour leave `dc` unchanged.
void DrawTurned(HDC dc, const RECT& dest, Turn turn,
                const std::function<void(HDC dc, int width, int height)>& paint, bool keyed, COLORREF key);

// A rectangle of the turned picture (dest coordinates, 0,0 at its corner)
// in the coordinates of the unturned one; for the quarter turns `width` is
// the turned picture's width.
RECT UnturnedRect(const RECT& turned, Turn turn, int width, int height);
