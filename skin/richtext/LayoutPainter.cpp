#include "richtext/LayoutPainter.h"

#include <algorithm>

namespace richtext {

namespace {

void Fill(TextDevice& d, const BoxFill& f, const Rect& r) {
    auto half = [&](bool vertical, bool first) {
        Rect h = r;
        if (vertical)
            (first ? h.bottom : h.top) = r.top + r.Height() / 2;
        else
            (first ? h.right : h.left) = r.left + r.Width() / 2;
        return h;
    };
    using G = GradientDirection;
    switch (f.effect) {
    case FillEffect::Transparent:
        break;
    case FillEffect::Solid:
        d.FillRect(r, f.colour);
        break;
    case FillEffect::HGradient:
        d.GradientRect(r, f.colour, f.end, G::Horizontal);
        break;
    case FillEffect::VGradient:
        d.GradientRect(r, f.colour, f.end, G::Vertical);
        break;
    case FillEffect::HCGradient:
        d.GradientRect(half(false, true), f.colour, f.end, G::Horizontal);
        d.GradientRect(half(false, false), f.end, f.colour, G::Horizontal);
        break;
    case FillEffect::VCGradient:
        d.GradientRect(half(true, true), f.colour, f.end, G::Vertical);
        d.GradientRect(half(true, false), f.end, f.colour, G::Vertical);
        break;
    case FillEffect::H3Gradient:
        d.GradientRect(half(false, true), f.colour, f.middle, G::Horizontal);
        d.GradientRect(half(false, false), f.middle, f.end, G::Horizontal);
        break;
    case FillEffect::V3Gradient:
        d.GradientRect(half(true, true), f.colour, f.middle, G::Vertical);
        d.GradientRect(half(true, false), f.middle, f.end, G::Vertical);
        break;
    }
}

// One straight edge in a border style: dashes three widths long, dots one.
void Edge(TextDevice& d, Rect r, BorderStyle style, Colour c) {
    bool horizontal = r.Width() >= r.Height();
    int thick = std::max(1, horizontal ? r.Height() : r.Width());
    int on = style == BorderStyle::Dashed ? 3 * thick : style == BorderStyle::Dotted ? thick : 0;
    if (on == 0) {
        d.FillRect(r, c);
        return;
    }
    int length = horizontal ? r.Width() : r.Height();
    for (int p = 0; p < length; p += 2 * on) {
        Rect s = r;
        if (horizontal) {
            s.left = r.left + p;
            s.right = std::min(r.right, s.left + on);
        } else {
            s.top = r.top + p;
            s.bottom = std::min(r.bottom, s.top + on);
        }
        d.FillRect(s, c);
    }
}

void Frame(TextDevice& d, const Rect& r, int w, BorderStyle style, Colour topLeft, Colour bottomRight) {
    if (w <= 0 || r.Width() <= 0 || r.Height() <= 0) return;
    w = std::min({w, r.Width() / 2 + 1, r.Height() / 2 + 1});
    Edge(d, {r.left, r.top, r.right, r.top + w}, style, topLeft);
    Edge(d, {r.left, r.top, r.left + w, r.bottom}, style, topLeft);
    Edge(d, {r.left, r.bottom - w, r.right, r.bottom}, style, bottomRight);
    Edge(d, {r.right - w, r.top, r.right, r.bottom}, style, bottomRight);
}

} // namespace

void PaintBox(TextDevice& d, const LayoutItem& box) {
    Fill(d, box.fill, box.rect);
    if (box.hasImage) d.DrawImage(box.image, box.rect, false);
    const BoxBorder& b = box.border;
    if (b.width <= 0 || b.style == BorderStyle::None) return;
    Colour tl = b.raised ? b.light : b.dark;
    Colour br = b.raised ? b.dark : b.light;
    if (b.style == BorderStyle::Double && b.width >= 3) {
        int line = b.width / 3;
        Frame(d, box.rect, line, BorderStyle::Solid, tl, br);
        Rect inner{box.rect.left + b.width - line, box.rect.top + b.width - line,
                   box.rect.right - b.width + line, box.rect.bottom - b.width + line};
        Frame(d, inner, line, BorderStyle::Solid, tl, br);
        return;
    }
    BorderStyle s = b.style == BorderStyle::Double ? BorderStyle::Solid : b.style;
    Frame(d, box.rect, b.width, s, tl, br);
}

void PaintLayout(TextDevice& d, const Layout& layout, std::optional<Point> mouse) {
    for (const LayoutItem& item : layout.items) {
        switch (item.kind) {
        case LayoutItem::Kind::Box:
            PaintBox(d, item);
            break;
        case LayoutItem::Kind::Rule:
            d.FillRect(item.rect, item.colour);
            break;
        case LayoutItem::Kind::Image:
            d.DrawImage(item.image, item.rect, mouse && item.rect.Contains(*mouse));
            break;
        case LayoutItem::Kind::Text:
            if (item.filled) d.FillRect(item.rect, item.background);
            if (item.text.empty()) break;
            d.DrawTextRun(item.font, item.rect.left, item.rect.top, item.text, item.colour);
            if (item.overline) {
                int w = item.font.weight >= 700 ? 2 : 1;
                d.FillRect({item.rect.left, item.rect.top, item.rect.right, item.rect.top + w}, item.colour);
            }
            break;
        }
    }
}

} // namespace richtext
