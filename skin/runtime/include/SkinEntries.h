// Entries of the skin runtime called by the application at its three skin
// points (start, assignment, stop). Every result is advisory: a failed call
// leaves the windows with the platform's own look.
#pragma once

#include <windows.h>

bool SkinStartup(HINSTANCE module, const wchar_t* unused1, const wchar_t* unused2, const wchar_t* unused3);
void SkinShutdown();
bool SkinLoadFile(const wchar_t* path);
bool SkinLoadResource(HMODULE module, const wchar_t* name, const wchar_t* type);
bool SkinAttachWindow(HWND window, const wchar_t* objectName);
bool SkinSetDialogDefault(const wchar_t* objectName);
bool SkinClearDialogDefault();
// The skinned tooltip a skinned window shows when the mouse rests on it
// (marked-up rich text; null or empty: none). False for a window without a
// skinner.
bool SkinSetTooltipText(HWND window, const wchar_t* text);
