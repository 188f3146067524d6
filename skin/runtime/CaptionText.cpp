#include "CaptionText.h"

#include "FrameGeometry.h"

#include "SkinLogFont.h"
#include "TextEffectDraw.h"
#include "WindowFrameObjects.h"
#include "WindowText.h"

void DrawCaptionText(HDC dc, HWND hwnd, const RECT& strip, const WindowFrameObject& frame, DWORD exStyle,
                     int dpi) {
    const std::wstring text = WindowTextLimited(hwnd, kMaxCaptionChars);
    if (text.empty()) return;
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (exStyle & WS_EX_RTLREADING) format |= DT_RTLREADING;
    if (exStyle & WS_EX_RIGHT) format |= DT_RIGHT;

    SkinFont scaled = frame.captionFont;
    scaled.height = ScaleForDpi(scaled.height, dpi);
    HFONT font = CreateSkinFontW(scaled);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    // The font carries the caption colour; the effect adds its shadow.
    TextEffect effect = frame.captionEffect;
    effect.SetTextColor(frame.captionFont.color & 0xFFFFFF);
    DrawEffectText(dc, text.c_str(), static_cast<int>(text.size()), strip, format, effect);
    SetBkMode(dc, oldMode);
    if (font) {
        SelectObject(dc, oldFont);
        DeleteObject(font);
    }
}
