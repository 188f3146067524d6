// Final placement of lines: each line's items sit in three alignment groups
// (left, centred, right) within the width the block is placed in, less the
// indents of the boxes around the line.
#include "richtext/LayoutTree.h"

#include <algorithm>

namespace richtext {

namespace {

void PlaceRule(Line& line, int x, int y, int width, std::vector<LayoutItem>& out) {
    int w = line.rulePixels >= 0 ? line.rulePixels
                                 : int(std::int64_t(std::max(width, 0)) * line.rulePercent / 100);
    int dx = 0;
    if (width > w) {
        if (line.ruleAlign == HAlign::Centre)
            dx = (width - w) / 2;
        else if (line.ruleAlign == HAlign::Right)
            dx = width - w;
    }
    LayoutItem rule = std::move(line.items.front());
    int left = ClampExtent(std::int64_t(x) + dx);
    int top = ClampExtent(std::int64_t(y) + (line.height - line.ruleThickness) / 2);
    rule.rect = {left, top, ClampExtent(std::int64_t(left) + w),
                 ClampExtent(std::int64_t(top) + line.ruleThickness)};
    out.push_back(std::move(rule));
}

} // namespace

void PlaceBlock(Block& block, int x0, int y, int width0, std::vector<LayoutItem>& out) {
    for (auto& node : block.nodes) {
        // Boxes indent what they hold; what is left is never less than nothing.
        int x = ClampExtent(std::int64_t(x0) + node.indentLeft);
        int width =
            ClampExtent(std::max<std::int64_t>(0, std::int64_t(width0) - node.indentLeft - node.indentRight));
        if (node.backdrop) {
            LayoutItem back;
            back.kind = LayoutItem::Kind::Box;
            back.rect = {x, y, ClampExtent(std::int64_t(x) + width),
                         ClampExtent(std::int64_t(y) + node.backdropHeight)};
            back.fill.effect = FillEffect::Solid;
            back.fill.colour = node.backdropColour;
            out.push_back(std::move(back));
            continue;
        }
        if (node.table) {
            PlaceTable(*node.table, x, y, width, out);
            y = ClampExtent(std::int64_t(y) + node.table->laidOutHeight);
            continue;
        }
        Line& line = node.line;
        if (line.isRule) {
            PlaceRule(line, x, y, width, out);
            y = ClampExtent(std::int64_t(y) + line.height);
            continue;
        }
        const std::int64_t gw[3] = {line.groupWidth[0], line.groupWidth[1], line.groupWidth[2]};
        std::int64_t offset[3];
        offset[0] = x;
        offset[1] = x + std::max(gw[0], (width - gw[1]) / 2);
        offset[2] = x + std::max(gw[0] + gw[1], width - gw[2]);
        for (std::size_t i = 0; i < line.items.size(); ++i) {
            LayoutItem item = std::move(line.items[i]);
            std::int64_t dx = offset[int(line.groups[i])];
            item.rect.left = ClampExtent(item.rect.left + dx);
            item.rect.right = ClampExtent(item.rect.right + dx);
            item.rect.top = ClampExtent(std::int64_t(item.rect.top) + y);
            item.rect.bottom = ClampExtent(std::int64_t(item.rect.bottom) + y);
            out.push_back(std::move(item));
        }
        y = ClampExtent(std::int64_t(y) + line.height);
    }
}

} // namespace richtext
