#include "TextEffectDraw.h"

void DrawEffectText(HDC dc, const wchar_t* text, int length, const RECT& rect, UINT format,
                    const TextEffect& effect) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = GetTextColor(dc);
    if (effect.flags & TextEffect::kShadow) {
        RECT shadow = rect;
        OffsetRect(&shadow, effect.shadowX, effect.shadowY);
        SetTextColor(dc, effect.ShadowColor());
        DrawTextW(dc, text, length, &shadow, format);
    }
    RECT main = rect;
    SetTextColor(dc, effect.TextColor());
    DrawTextW(dc, text, length, &main, format);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}
