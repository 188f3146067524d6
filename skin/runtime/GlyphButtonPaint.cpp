#include "GlyphButtonPaint.h"

#include "ButtonObjects.h"
#include "ButtonText.h"
#include "ImageDraw.h"
#include "NineGridDraw.h"
#include "WindowBelow.h"

namespace {

unsigned EmptyBackgrounds(const CheckBoxObject& object) {
    unsigned mask = 0;
    for (int i = 0; i < kCheckLookCount; ++i) {
        if (object.BackgroundGrid(i).IsEmpty()) mask |= 1u << i;
    }
    return mask;
}

unsigned EmptyGlyphs(const CheckBoxObject& object) {
    unsigned mask = 0;
    for (int i = 0; i < kCheckLookCount; ++i) {
        if (object.states[i].box.IsEmpty()) mask |= 1u << i;
    }
    return mask;
}

} // namespace

void PaintGlyphButton(HDC dc, const GlyphButtonPaint& paint) {
    const CheckBoxObject& object = *paint.object;
    const bool checkBox = paint.state.checkBox;
    RECT client{};
    GetClientRect(paint.hwnd, &client);

    const CheckLook look = ChooseCheckLook(paint.state);
    const int background = FirstNonEmpty(BackgroundChain(look, checkBox), EmptyBackgrounds(object));
    const int glyph =
        FirstNonEmpty(GlyphChain(ChooseGlyphLook(paint.state, look), checkBox), EmptyGlyphs(object));

    if (object.transparent) {
        PaintWindowBelow(dc, paint.hwnd, client);
    } else {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    }
    NineGridImage grid{};
    if (background >= 0) grid = object.BackgroundGrid(background);
    const COLORREF key = paint.skin->KeyColour();
    if (!object.transparent && background >= 0) DrawNineGridKeyed(dc, client, grid, *paint.skin, key);

    // The margins come from the skin file: the sums are held.
    const SkinRect content{HoldCoordinate(int64_t(client.left) + grid.marginLeft),
                           HoldCoordinate(int64_t(client.top) + grid.marginTop),
                           HoldCoordinate(int64_t(client.right) - grid.marginRight),
                           HoldCoordinate(int64_t(client.bottom) - grid.marginBottom)};
    const auto style = static_cast<uint32_t>(GetWindowLongPtrW(paint.hwnd, GWL_STYLE));
    const ImageRef* box = glyph >= 0 ? &object.states[glyph].box : nullptr;
    const GlyphLayout layout =
        LayOutGlyph(content, box ? box->source.Width() : 0, box ? box->source.Height() : 0, style);
    if (box) DrawImageRef(dc, RectFromSkin(layout.glyph), *box, *paint.skin, key, false);

    HGDIOBJ oldFont = SelectObject(dc, ControlFont(paint.hwnd));
    DrawButtonText(dc, paint.hwnd, RectFromSkin(layout.text), 199, false,
                   object.states[static_cast<int>(look)].effect);
    SelectObject(dc, oldFont);
}
