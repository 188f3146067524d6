// Measures and draws HTML-like marked-up text with a small style sheet; the
// skinned tooltip window uses `Measure` and `Draw`.
#pragma once

#include "richtext/ColourNames.h"
#include "richtext/Layout.h"
#include "richtext/StyleSheet.h"
#include "richtext/TextDevice.h"
#include "richtext/ValueParser.h"

#include <optional>
#include <string>
#include <string_view>

namespace richtext {

class RichTextRenderer {
public:
    // System colours are read here, once.
    explicit RichTextRenderer(const SystemColourSource& systemColours = ClassicSystemColours{});

    // The module whose resources the image and string tags load by identifier.
    void SetResourceModule(void* module) { module_ = module; }

    // Width and height in pixels; lines longer than `maxWidth` wrap when it is
    // positive.
    Size Measure(TextDevice& device, std::u16string_view text, int maxWidth = 0);
    // Draws into `rect`; wraps only when the text is wider than the rectangle.
    void Draw(TextDevice& device, std::u16string_view text, const Rect& rect);

    // The full layout, placed at `origin` in a box `width` wide (0: its own
    // width); for drawing owners and tests.
    Layout MakeLayout(TextDevice& device, std::u16string_view text, int maxWidth = 0, Point origin = {},
                      int width = 0);

    void SetRule(std::string_view selector, std::string_view properties);
    std::string Rule(std::string_view selector) const;
    void SetStyleSheet(std::string_view text) { sheet_.Parse(text); }
    const StyleSheet& GetStyleSheet() const { return sheet_; }

    // The mouse position, in the coordinates of the last draw; the link under
    // it takes the "a:hover" style and is reported by HoverLink().
    void SetMouse(std::optional<Point> mouse) { mouse_ = mouse; }
    // The link under a point of the last draw, if any.
    std::optional<Link> LinkAt(Point point) const;
    std::optional<Link> HoverLink() const;

private:
    Layout Build(TextDevice& device, std::u16string_view text, int maxWidth, int hoverLink, Point origin,
                 int width);

    StyleSheet sheet_;
    ColourResolver colours_;
    void* module_ = nullptr;
    std::optional<Point> mouse_;
    Layout last_;
};

} // namespace richtext
