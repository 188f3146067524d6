#include "FrameArea.h"

#include "CaptionText.h"
#include "Cp936Text.h"
#include "FrameElementObjects.h"
#include "ImageDraw.h"
#include "PieceRegion.h"
#include "SkinWnd.h"
#include "WindowText.h"

namespace {

constexpr uint32_t kCaptionArea = 1;
constexpr uint32_t kOwnerDrawnArea = 11;

UINT AlignmentFormat(uint32_t horizontal, uint32_t vertical) {
    const UINT h = horizontal == 1 ? DT_CENTER : horizontal == 2 ? DT_RIGHT : DT_LEFT;
    const UINT v = vertical == 1 ? DT_VCENTER : vertical == 2 ? DT_BOTTOM : DT_TOP;
    return h | v;
}

} // namespace

void FrameArea::SetObject(SkinObject* object) {
    FrameElement::SetObject(object);
    area_ = dynamic_cast<const FrameAreaObject*>(object);
    if (!area_) {
        object_ = nullptr;
        return;
    }
    SetShape(&area_->Background(), area_->image.drawMode);
}

SkinRect FrameArea::Place(const SkinRect& design, FrameSize designSize, FrameSize window) const {
    return PlaceByEdges(design, area_->anchors, designSize, window);
}

int FrameArea::HitCode() const {
    return area_ ? AreaHitCode(area_->areaKind) : kNoElementHit;
}

HRGN FrameArea::AreaRegion(int* combineMode) const {
    *combineMode = area_ ? static_cast<int>(area_->combineMode) : 0;
    if (!area_) return nullptr;
    return PieceRegion(area_->Background(), rect_, DrawMode(area_->image.drawMode));
}

void FrameArea::Draw(HDC dc) {
    if (!area_) return;
    if (area_->areaKind == kOwnerDrawnArea) {
        SendDrawItem(dc);
        return;
    }
    if (area_->Background().image) {
        DrawResolvedImage(dc, rect_, area_->Background(), DrawMode(area_->image.drawMode),
                          owner_.TransparentColor());
    }
    if (area_->areaKind == kCaptionArea) {
        DrawAreaText(dc, WindowTextLimited(owner_.Hwnd(), kMaxCaptionChars));
    } else {
        DrawAreaText(dc, WideFromCp936Field(area_->areaText, sizeof area_->areaText));
    }
}

void FrameArea::DrawAreaText(HDC dc, const std::wstring& text) const {
    if (text.empty()) return;
    UINT format =
        DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | AlignmentFormat(area_->hAlign, area_->vAlign);
    if (GetWindowLongPtrW(owner_.Hwnd(), GWL_EXSTYLE) & WS_EX_RTLREADING) format |= DT_RTLREADING;
    DrawSkinText(dc, text, rect_, area_->font, area_->textEffect, format, owner_.Dpi());
}

void FrameArea::SendDrawItem(HDC dc) const {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = area_->commandId;
    item.itemID = static_cast<UINT>(-1);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ODS_DEFAULT;
    item.hwndItem = owner_.Hwnd();
    item.hDC = dc;
    item.rcItem = rect_;
    SendMessageW(owner_.Hwnd(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}
