#include "SkinListView.h"

#include <commctrl.h>

bool SkinListView::Attach(HWND hwnd) {
    if (!SkinScrollHost::Attach(hwnd)) return false;
    PushColours(true);
    return true;
}

void SkinListView::Detach() {
    if (hwnd_ && !destroyed_) PushColours(false);
    SkinScrollHost::Detach();
}

SkinObject* SkinListView::SetObject(SkinObject* object) {
    SkinObject* previous = SkinScrollHost::SetObject(object);
    if (hwnd_ && GetPropW(hwnd_, L"OBJECT") == this) PushColours(true);
    return previous;
}

void SkinListView::PushColours(bool skin) {
    // CLR_DEFAULT and -1 give the controls their system colours back.
    const COLORREF back = skin && object_ ? BackColour() : CLR_DEFAULT;
    const COLORREF text = skin && object_ ? TextColour() : CLR_DEFAULT;
    if (kind_ == kKindListView) {
        CallPrev(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
        CallPrev(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
        CallPrev(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
    } else {
        CallPrev(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(skin && object_ ? back : static_cast<COLORREF>(-1)));
        CallPrev(TVM_SETTEXTCOLOR, 0,
                 static_cast<LPARAM>(skin && object_ ? text : static_cast<COLORREF>(-1)));
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}
