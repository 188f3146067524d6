// The two operations the tooltip window uses, in GDI terms: measure a
// marked-up text in a device context and draw it clipped to a rectangle.
#pragma once

#include "richtext/RichTextRenderer.h"

#include <windows.h>

#include <string_view>

namespace richtext {

SIZE MeasureRichText(RichTextRenderer& renderer, HDC dc, std::wstring_view text, int maxWidth = 0);
void DrawRichText(RichTextRenderer& renderer, HDC dc, std::wstring_view text, const RECT& rect);

} // namespace richtext
