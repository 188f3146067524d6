// Small readers of window facts the runtime compares against its tables.
#pragma once

#include <windows.h>

#include <string>

// The class name when it is plain ASCII (every class of the kind table is);
// empty otherwise or on failure. At most 99 characters are read.
std::string WindowClassNameAscii(HWND hwnd);

// The window text, at most `limit` characters.
std::wstring WindowTextLimited(HWND hwnd, int limit);
