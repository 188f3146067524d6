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

    DrawSkinText(dc, text, strip, frame.captionFont, frame.captionEffect, format, dpi);
}

void DrawSkinText(HDC dc, const std::wstring& text, const RECT& rect, const SkinFont& font,
                  const TextEffect& effect, UINT format, int dpi) {
    SkinFont scaled = font;
    scaled.height = ScaleForDpi(scaled.height, dpi);
    HFONT handle = CreateSkinFontW(scaled);
    HGDIOBJ oldFont = handle ? SelectObject(dc, handle) : nullptr;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    // The font carries the text colour; the effect adds its shadow.
    TextEffect coloured = effect;
    coloured.SetTextColor(font.color & 0xFFFFFF);
    DrawEffectText(dc, text.c_str(), static_cast<int>(text.size()), rect, format, coloured);
    SetBkMode(dc, oldMode);
    if (handle) {
        SelectObject(dc, oldFont);
        DeleteObject(handle);
    }
}
