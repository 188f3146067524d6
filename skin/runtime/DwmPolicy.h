// Desktop composition draws a system frame around top-level windows unless
// its non-client rendering is switched off for them.
#pragma once

#include <windows.h>

// Disables (or gives back to the style) the composed non-client rendering of
// `hwnd`; true when the setting was changed. Without dwmapi nothing happens.
bool SetNonClientRenderingDisabled(HWND hwnd, bool disabled);
