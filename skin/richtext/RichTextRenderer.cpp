#include "richtext/RichTextRenderer.h"

#include "richtext/LayoutBuilder.h"
#include "richtext/LayoutPainter.h"

namespace richtext {

RichTextRenderer::RichTextRenderer(const SystemColourSource& systemColours) : colours_(systemColours) {}

void RichTextRenderer::SetRule(std::string_view selector, std::string_view properties) {
    sheet_.SetRule(selector, properties);
}

std::string RichTextRenderer::Rule(std::string_view selector) const {
    return sheet_.Rule(selector);
}

Layout RichTextRenderer::Build(TextDevice& device, std::u16string_view text, int maxWidth, int hoverLink,
                               Point origin, int width) {
    BuildOptions options;
    options.maxWidth = maxWidth;
    options.hoverLink = hoverLink;
    options.resourceModule = module_;
    LayoutBuilder builder(device, sheet_, colours_, options);
    BuiltText built = builder.Build(text);
    Layout out;
    out.size = {built.root.width, built.root.height};
    out.links = std::move(built.links);
    PlaceBlock(built.root, origin.x, origin.y, width > 0 ? width : built.root.width, out.items);
    return out;
}

Layout RichTextRenderer::MakeLayout(TextDevice& device, std::u16string_view text, int maxWidth, Point origin,
                                    int width) {
    Layout plain = Build(device, text, maxWidth, -1, origin, width);
    if (!mouse_) return plain;
    for (const auto& item : plain.items) {
        if (item.link >= 0 && item.rect.Contains(*mouse_))
            return Build(device, text, maxWidth, item.link, origin, width);
    }
    return plain;
}

Size RichTextRenderer::Measure(TextDevice& device, std::u16string_view text, int maxWidth) {
    return Build(device, text, maxWidth, -1, {}, 0).size;
}

void RichTextRenderer::Draw(TextDevice& device, std::u16string_view text, const Rect& rect) {
    Point origin{rect.left, rect.top};
    int width = std::max(rect.Width(), 0);
    last_ = MakeLayout(device, text, 0, origin, width);
    if (last_.size.width > width && width > 0) last_ = MakeLayout(device, text, width, origin, width);
    PaintLayout(device, last_, mouse_);
}

std::optional<Link> RichTextRenderer::LinkAt(Point point) const {
    for (const auto& item : last_.items)
        if (item.link >= 0 && item.rect.Contains(point) && std::size_t(item.link) < last_.links.size())
            return last_.links[std::size_t(item.link)];
    return std::nullopt;
}

std::optional<Link> RichTextRenderer::HoverLink() const {
    return mouse_ ? LinkAt(*mouse_) : std::nullopt;
}

} // namespace richtext
