// The work area (the monitor without task bars) that menus and tips are
// kept on.
#pragma once

#include <windows.h>

#include "SkinRect.h"

// The monitor's work area; the primary one's when the monitor is unknown.
SkinRect WorkAreaOf(HMONITOR monitor);
