#include "SkinGroupBox.h"

#include <string>

#include "ButtonObjects.h"
#include "ButtonRules.h"
#include "ButtonText.h"
#include "GdiSurface.h"
#include "HiddenCall.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "TextEffectDraw.h"
#include "WindowBelow.h"
#include "WindowRegistry.h"

namespace {

std::wstring FullText(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both{};
    return IntersectRect(&both, &a, &b) != FALSE;
}

} // namespace

const GroupBoxObject* SkinGroupBox::BoxObject() const {
    return dynamic_cast<const GroupBoxObject*>(object_);
}

bool SkinGroupBox::Attach(HWND hwnd) {
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    addedTransparent_ = !(exStyle & WS_EX_TRANSPARENT);
    if (addedTransparent_) SetWindowLongPtrW(hwnd, GWL_EXSTYLE, exStyle | WS_EX_TRANSPARENT);
    if (!SkinControl::Attach(hwnd)) {
        if (addedTransparent_) SetWindowLongPtrW(hwnd, GWL_EXSTYLE, exStyle);
        addedTransparent_ = false;
        return false;
    }
    RECT client{};
    GetClientRect(hwnd, &client);
    RedrawThrough(client);
    return true;
}

void SkinGroupBox::Detach() {
    const HWND hwnd = hwnd_;
    const bool restore = addedTransparent_ && hwnd && !destroyed_;
    addedTransparent_ = false;
    SkinControl::Detach();
    if (restore) {
        SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~WS_EX_TRANSPARENT);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

SkinRect SkinGroupBox::CaptionRect(HDC dc) const {
    std::wstring text = FullText(hwnd_);
    if (text.empty()) text = L"A";
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    Margins margins;
    if (const GroupBoxObject* box = BoxObject()) {
        margins = Margins{box->captionImage.marginLeft, box->captionImage.marginTop,
                          box->captionImage.marginRight, box->captionImage.marginBottom};
    }
    RECT client{};
    GetClientRect(hwnd_, &client);
    return GroupCaptionRect(SkinFromRect(client), extent.cx, extent.cy, margins,
                            static_cast<uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE)));
}

SkinRect SkinGroupBox::CaptionRect() const {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, ControlFont(hwnd_));
    const SkinRect caption = CaptionRect(dc);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return caption;
}

void SkinGroupBox::PaintCaptionBackground(HDC dc, const GroupBoxObject& box, const RECT& caption) {
    if (!box.transparent) {
        HBRUSH brush = CreateSolidBrush(box.captionColor & 0xFFFFFF);
        FillRect(dc, &caption, brush);
        DeleteObject(brush);
        DrawNineGridKeyed(dc, caption, box.captionImage, WindowRegistry::Instance().CurrentSkin(),
                          transparentColor_);
        return;
    }
    // The piece of what the window below shows under the caption.
    RECT client{};
    GetClientRect(hwnd_, &client);
    GdiSurface buffer(dc, client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1);
    if (!buffer.Ok()) return;
    PaintWindowBelow(buffer.Dc(), hwnd_, client);
    BitBlt(dc, caption.left, caption.top, caption.right - caption.left, caption.bottom - caption.top,
           buffer.Dc(), caption.left, caption.top, SRCCOPY);
}

void SkinGroupBox::PaintWhole(HDC dc) {
    const GroupBoxObject* box = BoxObject();
    if (!box) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    HGDIOBJ oldFont = SelectObject(dc, ControlFont(hwnd_));
    const SkinRect caption = CaptionRect(dc);
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    // Border only: the inside belongs to the controls in the box, and those
    // that come before it in the window order are not drawn again.
    DrawNineGridBorder(dc, RectFromSkin(GroupFrameRect(SkinFromRect(client), caption)), box->mainImage, skin,
                       0, false);
    const std::wstring text = FullText(hwnd_);
    if (!text.empty()) {
        RECT captionRect = RectFromSkin(caption);
        PaintCaptionBackground(dc, *box, captionRect);
        if (!box->transparent) {
            captionRect.left += box->captionImage.marginLeft;
            captionRect.top += box->captionImage.marginTop;
            captionRect.right -= box->captionImage.marginRight;
            captionRect.bottom -= box->captionImage.marginBottom;
        }
        DrawEffectText(dc, text.c_str(), static_cast<int>(text.size()), captionRect,
                       DT_SINGLELINE | DT_VCENTER | DT_CENTER, box->textEffect);
    }
    SelectObject(dc, oldFont);
}

void SkinGroupBox::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    PaintWhole(dc);
    EndPaint(hwnd_, &ps);
    RepaintLaterSiblings();
}

void SkinGroupBox::RepaintLaterSiblings() {
    RECT own{};
    ::GetWindowRect(hwnd_, &own);
    for (HWND w = GetWindow(hwnd_, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (GetWindowLongPtrW(w, GWL_STYLE) & WS_GROUP) continue;
        RECT other{};
        ::GetWindowRect(w, &other);
        if (Overlap(own, other)) RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void SkinGroupBox::RedrawThrough(const RECT& rect) {
    const HWND parent = GetParent(hwnd_);
    if (parent) {
        RECT inParent = rect;
        MapWindowPoints(hwnd_, parent, reinterpret_cast<POINT*>(&inParent), 2);
        InvalidateRect(parent, &inParent, TRUE);
        UpdateWindow(parent);
    }
    InvalidateRect(hwnd_, &rect, FALSE);
    UpdateWindow(hwnd_);
}

LRESULT SkinGroupBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ENABLE: {
        const LRESULT result = CallHidden(prevProc_, hwnd_, message, wParam, lParam);
        InvalidateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
        return result;
    }
    case WM_SETTEXT: {
        const SkinRect before = CaptionRect();
        const LRESULT result = CallHidden(prevProc_, hwnd_, message, wParam, lParam);
        const SkinRect after = CaptionRect();
        if (after.Width() >= before.Width()) {
            const RECT rect = RectFromSkin(after);
            InvalidateRect(hwnd_, &rect, FALSE);
            UpdateWindow(hwnd_);
        } else {
            RedrawThrough(RectFromSkin(before));
        }
        return result;
    }
    case WM_SETFONT: {
        if (skinFont_ && reinterpret_cast<HFONT>(wParam) != skinFont_) break; // kept for detach
        const SkinRect before = CaptionRect();
        const LRESULT result = CallHidden(prevProc_, hwnd_, message, wParam, lParam);
        const SkinRect after = CaptionRect();
        // A caption of another height moves the frame's top edge too.
        RECT rect{};
        if (after.Height() != before.Height()) {
            GetClientRect(hwnd_, &rect);
        } else {
            const RECT a = RectFromSkin(before);
            const RECT b = RectFromSkin(after);
            UnionRect(&rect, &a, &b);
        }
        RedrawThrough(rect);
        return result;
    }
    default:
        break;
    }
    return SkinControl::WindowProc(message, wParam, lParam);
}
