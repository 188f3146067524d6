#include "ImageDraw.h"

#include <algorithm>

#include "DibImage.h"
#include "DibImageGdi.h"

namespace {

void FillWith(HDC dc, const RECT& dest, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &dest, brush);
    DeleteObject(brush);
}

} // namespace

void DrawImageRef(HDC dc, const RECT& dest, const ImageRef& ref, const ImageLookup& skin, COLORREF fillColour,
                  bool fill) {
    const int destW = dest.right - dest.left;
    const int destH = dest.bottom - dest.top;
    if (destW <= 0 || destH <= 0) return;

    const DibImage* image = ref.IsEmpty() ? nullptr : skin.FindImage(ImageName(ref.name).text);
    DibImage cut;
    bool ok = image != nullptr;
    if (ok) {
        const SkinRect& s = ref.source;
        int right = s.right;
        int bottom = s.bottom;
        if (ref.drawMode == kDrawNatural) {
            // Only the top-left part that fits the destination is cut.
            right = std::min<int>(s.right, s.left + destW);
            bottom = std::min<int>(s.bottom, s.top + destH);
        }
        ok = image->Crop(s.left, s.top, right, bottom, cut) && cut.IsValid();
    }
    if (!ok) {
        if (fill) FillWith(dc, dest, fillColour);
        return;
    }
    if (!image->Enabled()) return;

    switch (ref.drawMode) {
    case kDrawTiled:
        Tile(cut, dc, dest);
        break;
    case kDrawStretched:
        Stretch(cut, dc, dest.left, dest.top, destW, destH);
        break;
    default:
        Draw(cut, dc, dest.left, dest.top, -1, -1, &dest);
        break;
    }
}
