#include "SkinEdit.h"

#include <richedit.h>

bool SkinEdit::Attach(HWND hwnd) {
    if (!SkinScrollHost::Attach(hwnd)) return false;
    PushRichEditBackground();
    return true;
}

void SkinEdit::Detach() {
    // Back to the system's window colour.
    if (kind_ == kKindRichEdit && hwnd_ && !destroyed_) CallPrev(EM_SETBKGNDCOLOR, 1, 0);
    SkinScrollHost::Detach();
}

SkinObject* SkinEdit::SetObject(SkinObject* object) {
    SkinObject* previous = SkinScrollHost::SetObject(object);
    if (hwnd_ && GetPropW(hwnd_, L"OBJECT") == this) PushRichEditBackground();
    return previous;
}

LRESULT SkinEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CREATE) return SkinScrollHost::WindowProc(message, wParam, lParam);
    // Attached by the creation hook, a rich edit could not take its colour
    // before it was made.
    const LRESULT result = SkinScrollHost::WindowProc(message, wParam, lParam);
    if (result != -1) PushRichEditBackground();
    return result;
}

void SkinEdit::PushRichEditBackground() {
    if (kind_ == kKindRichEdit && object_) CallPrev(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(BackColour()));
}
