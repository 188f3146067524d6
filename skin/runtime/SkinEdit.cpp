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

void SkinEdit::PushRichEditBackground() {
    if (kind_ == kKindRichEdit && object_) CallPrev(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(BackColour()));
}
