// The application's message boxes: OK only, captioned with the executable's
// base name, unless a caption of their own is given.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Base name of the executable without its extension ("brevox").
const std::wstring& AppName();

void ShowMessage(HWND owner, const std::wstring& text);
void ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption);
// OK and Cancel, Cancel being the default button; true only for OK.
bool AskOkCancel(HWND owner, const std::wstring& text, const std::wstring& caption);

} // namespace ui
