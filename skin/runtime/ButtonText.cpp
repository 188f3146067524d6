#include "ButtonText.h"

#include <string>

#include "ButtonRules.h"
#include "TextEffectDraw.h"
#include "WindowText.h"

HFONT ControlFont(HWND control) {
    if (auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0))) return font;
    return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

void DrawButtonText(HDC dc, HWND button, const RECT& area, int maxChars, bool pushButton,
                    const TextEffect& effect) {
    const std::wstring text = WindowTextLimited(button, maxChars);
    if (text.empty()) return;
    const auto style = static_cast<uint32_t>(GetWindowLongPtrW(button, GWL_STYLE));
    const auto exStyle = static_cast<uint32_t>(GetWindowLongPtrW(button, GWL_EXSTYLE));
    const UINT format = ButtonTextFormat(style, exStyle);
    const int length = static_cast<int>(text.size());
    RECT measured = area;
    DrawTextW(dc, text.c_str(), length, &measured, format | DT_CALCRECT);
    const SkinRect placed = AlignContent(SkinFromRect(area), measured.right - measured.left,
                                         measured.bottom - measured.top, style, pushButton);
    DrawEffectText(dc, text.c_str(), length, RectFromSkin(placed), format, effect);
}
