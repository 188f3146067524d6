// List views and tree views (kinds 28 and 29): scroll hosts whose content
// colours are pushed to the control, which paints its items itself; a tree
// view's selected item is then painted again from the skin's item pictures.
#pragma once

#include "SkinScrollHost.h"

class SkinListView : public SkinScrollHost {
public:
    explicit SkinListView(ControlKind kind) : SkinScrollHost(kind) {}

    bool Attach(HWND hwnd) override;
    void Detach() override;
    SkinObject* SetObject(SkinObject* object) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PushColours(bool skin);
    // WM_PAINT of a tree view: the control into a buffer, the caret item
    // over it.
    void PaintTree();
    void PaintCaretItem(HDC dc);
};
