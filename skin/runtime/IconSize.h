// The pixel size of an icon, for placing it: its colour bitmap's size, or
// half its mask's height for a monochrome icon; 32 x 32 when unreadable.
#pragma once

#include <windows.h>

SIZE IconSize(HICON icon);
