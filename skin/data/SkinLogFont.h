#pragma once
// Windows fonts from SkinFont values. The face name is GBK bytes and goes
// through code page 936 to the W functions, so it does not depend on the
// system locale (Windows only).
#include <windows.h>

#include "SkinFont.h"

// The LOGFONTW of the font's first 60 bytes; a face name that fills its
// whole field without NUL is cut to what LOGFONTW holds.
LOGFONTW ToLogFontW(const SkinFont& font);

// CreateFontIndirectW of ToLogFontW; the caller deletes the font.
HFONT CreateSkinFontW(const SkinFont& font);
