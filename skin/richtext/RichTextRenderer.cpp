#include "richtext/RichTextRenderer.h"

#include "richtext/LayoutBuilder.h"
#include "richtext/LayoutPainter.h"

namespace richtext {

RichTextRenderer::RichTextRenderer(const SystemColourSource& systemColours) : colours_(systemColours) {}

void RichTextRenderer::setRule(std::string_view selector, std::string_view properties) {
    sheet_.setRule(selector, properties);
}

std::string RichTextRenderer::rule(std::string_view selector) const {
    return sheet_.rule(selector);
}

Layout RichTextRenderer::build(TextDevice& device, std::u16string_view text, int maxWidth, int hoverLink,
                               Point origin, int width) {
    BuildOptions options;
    options.maxWidth = maxWidth;
    options.hoverLink = hoverLink;
    options.resourceModule = module_;
    LayoutBuilder builder(device, sheet_, colours_, options);
    BuiltText built = builder.build(text);
    Layout out;
    out.size = {built.root.width, built.root.height};
    out.links = std::move(built.links);
    placeBlock(built.root, origin.x, origin.y, width > 0 ? width : built.root.width, out.items);
    return out;
}

Layout RichTextRenderer::layout(TextDevice& device, std::u16string_view text, int maxWidth, Point origin,
                                int width) {
    Layout plain = build(device, text, maxWidth, -1, origin, width);
    if (!mouse_) return plain;
    for (const auto& item : plain.items) {
        if (item.link >= 0 && item.rect.contains(*mouse_))
            return build(device, text, maxWidth, item.link, origin, width);
    }
    return plain;
}

Size RichTextRenderer::measure(TextDevice& device, std::u16string_view text, int maxWidth) {
    return build(device, text, maxWidth, -1, {}, 0).size;
}

void RichTextRenderer::draw(TextDevice& device, std::u16string_view text, const Rect& rect) {
    Point origin{rect.left, rect.top};
    int width = std::max(rect.width(), 0);
    last_ = layout(device, text, 0, origin, width);
    if (last_.size.width > width && width > 0) last_ = layout(device, text, width, origin, width);
    paintLayout(device, last_, mouse_);
}

std::optional<Link> RichTextRenderer::linkAt(Point point) const {
    for (const auto& item : last_.items)
        if (item.link >= 0 && item.rect.contains(point) && std::size_t(item.link) < last_.links.size())
            return last_.links[std::size_t(item.link)];
    return std::nullopt;
}

std::optional<Link> RichTextRenderer::hoverLink() const {
    return mouse_ ? linkAt(*mouse_) : std::nullopt;
}

} // namespace richtext
