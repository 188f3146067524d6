// Placeholder entries: the engine never starts, so every entry behaves as it
// does before a successful start-up - it reports failure and changes nothing.
#include "SkinEntries.h"

bool SkinStartup(HINSTANCE, const wchar_t*, const wchar_t*, const wchar_t*) {
    return false;
}

void SkinShutdown() {}

bool SkinLoadFile(const wchar_t*) {
    return false;
}

bool SkinLoadResource(HMODULE, const wchar_t*, const wchar_t*) {
    return false;
}

bool SkinAttachWindow(HWND, const wchar_t*) {
    return false;
}

bool SkinSetDialogDefault(const wchar_t*) {
    return false;
}

bool SkinClearDialogDefault() {
    return false;
}
