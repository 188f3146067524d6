#include "richtext/LayoutPainter.h"

#include <algorithm>

namespace richtext {

namespace {

void fill(TextDevice& d, const BoxFill& f, const Rect& r) {
    auto half = [&](bool vertical, bool first) {
        Rect h = r;
        if (vertical)
            (first ? h.bottom : h.top) = r.top + r.height() / 2;
        else
            (first ? h.right : h.left) = r.left + r.width() / 2;
        return h;
    };
    using G = GradientDirection;
    switch (f.effect) {
    case FillEffect::Transparent:
        break;
    case FillEffect::Solid:
        d.fillRect(r, f.colour);
        break;
    case FillEffect::HGradient:
        d.gradientRect(r, f.colour, f.end, G::Horizontal);
        break;
    case FillEffect::VGradient:
        d.gradientRect(r, f.colour, f.end, G::Vertical);
        break;
    case FillEffect::HCGradient:
        d.gradientRect(half(false, true), f.colour, f.end, G::Horizontal);
        d.gradientRect(half(false, false), f.end, f.colour, G::Horizontal);
        break;
    case FillEffect::VCGradient:
        d.gradientRect(half(true, true), f.colour, f.end, G::Vertical);
        d.gradientRect(half(true, false), f.end, f.colour, G::Vertical);
        break;
    case FillEffect::H3Gradient:
        d.gradientRect(half(false, true), f.colour, f.middle, G::Horizontal);
        d.gradientRect(half(false, false), f.middle, f.end, G::Horizontal);
        break;
    case FillEffect::V3Gradient:
        d.gradientRect(half(true, true), f.colour, f.middle, G::Vertical);
        d.gradientRect(half(true, false), f.middle, f.end, G::Vertical);
        break;
    }
}

// One straight edge in a border style: dashes three widths long, dots one.
void edge(TextDevice& d, Rect r, BorderStyle style, Colour c) {
    bool horizontal = r.width() >= r.height();
    int thick = std::max(1, horizontal ? r.height() : r.width());
    int on = style == BorderStyle::Dashed ? 3 * thick : style == BorderStyle::Dotted ? thick : 0;
    if (on == 0) {
        d.fillRect(r, c);
        return;
    }
    int length = horizontal ? r.width() : r.height();
    for (int p = 0; p < length; p += 2 * on) {
        Rect s = r;
        if (horizontal) {
            s.left = r.left + p;
            s.right = std::min(r.right, s.left + on);
        } else {
            s.top = r.top + p;
            s.bottom = std::min(r.bottom, s.top + on);
        }
        d.fillRect(s, c);
    }
}

void frame(TextDevice& d, const Rect& r, int w, BorderStyle style, Colour topLeft, Colour bottomRight) {
    if (w <= 0 || r.width() <= 0 || r.height() <= 0) return;
    w = std::min({w, r.width() / 2 + 1, r.height() / 2 + 1});
    edge(d, {r.left, r.top, r.right, r.top + w}, style, topLeft);
    edge(d, {r.left, r.top, r.left + w, r.bottom}, style, topLeft);
    edge(d, {r.left, r.bottom - w, r.right, r.bottom}, style, bottomRight);
    edge(d, {r.right - w, r.top, r.right, r.bottom}, style, bottomRight);
}

} // namespace

void paintBox(TextDevice& d, const LayoutItem& box) {
    fill(d, box.fill, box.rect);
    if (box.hasImage) d.drawImage(box.image, box.rect, false);
    const BoxBorder& b = box.border;
    if (b.width <= 0 || b.style == BorderStyle::None) return;
    Colour tl = b.raised ? b.light : b.dark;
    Colour br = b.raised ? b.dark : b.light;
    if (b.style == BorderStyle::Double && b.width >= 3) {
        int line = b.width / 3;
        frame(d, box.rect, line, BorderStyle::Solid, tl, br);
        Rect inner{box.rect.left + b.width - line, box.rect.top + b.width - line,
                   box.rect.right - b.width + line, box.rect.bottom - b.width + line};
        frame(d, inner, line, BorderStyle::Solid, tl, br);
        return;
    }
    BorderStyle s = b.style == BorderStyle::Double ? BorderStyle::Solid : b.style;
    frame(d, box.rect, b.width, s, tl, br);
}

void paintLayout(TextDevice& d, const Layout& layout, std::optional<Point> mouse) {
    for (const LayoutItem& item : layout.items) {
        switch (item.kind) {
        case LayoutItem::Kind::Box:
            paintBox(d, item);
            break;
        case LayoutItem::Kind::Rule:
            d.fillRect(item.rect, item.colour);
            break;
        case LayoutItem::Kind::Image:
            d.drawImage(item.image, item.rect, mouse && item.rect.contains(*mouse));
            break;
        case LayoutItem::Kind::Text:
            if (item.filled) d.fillRect(item.rect, item.background);
            if (item.text.empty()) break;
            d.drawText(item.font, item.rect.left, item.rect.top, item.text, item.colour);
            if (item.overline) {
                int w = item.font.weight >= 700 ? 2 : 1;
                d.fillRect({item.rect.left, item.rect.top, item.rect.right, item.rect.top + w}, item.colour);
            }
            break;
        }
    }
}

} // namespace richtext
