#include "TooltipRules.h"

TipCorner TooltipCorner(int code, int x, int y, int width, int height) {
    switch (code) {
    case 1:
        return {x - width / 2, y + 22};
    case 2:
        return {x - width - 2, y + 22};
    case 3:
        return {x + 2, y - height / 2};
    case 4:
        return {x - width - 2, y - height / 2};
    case 5:
        return {x + 2, y - 2 - height};
    case 6:
        return {x - width / 2, y - 2 - height};
    case 7:
        return {x - width - 2, y - 2 - height};
    default:
        return {x + 2, y + 22};
    }
}

namespace {

// Both corners inside, by the half-open rule of a point in a rectangle.
bool Inside(const SkinRect& work, int left, int top, int right, int bottom) {
    auto in = [&work](int px, int py) {
        return px >= work.left && px < work.right && py >= work.top && py < work.bottom;
    };
    return in(left, top) && in(right, bottom);
}

SkinRect At(int code, int x, int y, int width, int height) {
    const TipCorner c = TooltipCorner(code, x, y, width, height);
    return SkinRect{c.left, c.top, c.left + width, c.top + height};
}

} // namespace

SkinRect PlaceTooltip(int preferred, int x, int y, int width, int height, const SkinRect& work,
                      int* usedCode) {
    int code = preferred >= 0 && preferred <= 7 ? preferred : 0;
    SkinRect r = At(code, x, y, width, height);
    if (!Inside(work, r.left, r.top, r.right, r.bottom)) {
        code = 7;
        for (int candidate = 0; candidate <= 7; ++candidate) {
            const SkinRect c = At(candidate, x, y, width, height);
            if (Inside(work, c.left, c.top, c.right, c.bottom)) {
                code = candidate;
                break;
            }
        }
        r = At(code, x, y, width, height);
    }
    if (usedCode) *usedCode = code;
    return r;
}
