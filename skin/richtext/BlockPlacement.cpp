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
    int top = y + (line.height - line.ruleThickness) / 2;
    rule.rect = {x + dx, top, x + dx + w, top + line.ruleThickness};
    out.push_back(std::move(rule));
}

} // namespace

void PlaceBlock(Block& block, int x0, int y, int width0, std::vector<LayoutItem>& out) {
    for (auto& node : block.nodes) {
        // Boxes indent what they hold; what is left is never less than nothing.
        int x = x0 + node.indentLeft;
        int width = std::max(0, width0 - node.indentLeft - node.indentRight);
        if (node.backdrop) {
            LayoutItem back;
            back.kind = LayoutItem::Kind::Box;
            back.rect = {x, y, x + width, y + node.backdropHeight};
            back.fill.effect = FillEffect::Solid;
            back.fill.colour = node.backdropColour;
            out.push_back(std::move(back));
            continue;
        }
        if (node.table) {
            PlaceTable(*node.table, x, y, width, out);
            y += node.table->laidOutHeight;
            continue;
        }
        Line& line = node.line;
        if (line.isRule) {
            PlaceRule(line, x, y, width, out);
            y += line.height;
            continue;
        }
        const int* gw = line.groupWidth;
        int offset[3];
        offset[0] = x;
        offset[1] = x + std::max(gw[0], (width - gw[1]) / 2);
        offset[2] = x + std::max(gw[0] + gw[1], width - gw[2]);
        for (std::size_t i = 0; i < line.items.size(); ++i) {
            LayoutItem item = std::move(line.items[i]);
            int dx = offset[int(line.groups[i])];
            item.rect.left += dx;
            item.rect.right += dx;
            item.rect.top += y;
            item.rect.bottom += y;
            out.push_back(std::move(item));
        }
        y += line.height;
    }
}

} // namespace richtext
