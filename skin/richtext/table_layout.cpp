// Geometry of tables: column widths and row heights from the cells (spans
// share what they lack evenly), then placement of the cells and their boxes.
#include "richtext/layout_tree.h"

#include <algorithm>

namespace richtext {

namespace {

int chrome(const Cell& cell, int padding) { return 2 * (padding + cell.border.width); }

// Widens `sizes[first, first+span)` evenly until they and the gaps between
// them hold `need`.
void spread(std::vector<int>& sizes, int first, int span, int gap, int need) {
    int have = gap * (span - 1);
    for (int i = first; i < first + span; ++i) have += sizes[std::size_t(i)];
    int lack = need - have;
    if (lack <= 0) return;
    for (int i = 0; i < span; ++i)
        sizes[std::size_t(first + i)] += lack / span + (i < lack % span ? 1 : 0);
}

int resolve(const LengthSpec& length, int available) {
    if (!length.set) return 0;
    return length.percent ? int(std::int64_t(available) * length.value / 100) : length.value;
}

}  // namespace

void finishTable(Table& t) {
    for (auto& c : t.cells) t.rows = std::max(t.rows, c->row + 1);
    t.columnWidths.assign(std::size_t(t.columns), 0);
    t.rowHeights.assign(std::size_t(t.rows), 0);
    for (auto& c : t.cells) c->rowSpan = std::max(1, std::min(c->rowSpan, t.rows - c->row));
    // Single cells first, so spanning cells only add what is still missing.
    for (int pass = 0; pass < 2; ++pass) {
        for (auto& c : t.cells) {
            bool spanning = c->columnSpan > 1;
            if (spanning != (pass == 1)) continue;
            int w = c->content.width + chrome(*c, t.padding);
            if (c->width.set && !c->width.percent) w = std::max(w, c->width.value);
            spread(t.columnWidths, c->column, c->columnSpan, t.spacing, w);
        }
        for (auto& c : t.cells) {
            bool spanning = c->rowSpan > 1;
            if (spanning != (pass == 1)) continue;
            int h = c->content.height + chrome(*c, t.padding);
            if (c->height.set && !c->height.percent) h = std::max(h, c->height.value);
            spread(t.rowHeights, c->row, c->rowSpan, t.spacing, h);
        }
    }
    int w = 2 * t.border.width + t.spacing * (t.columns + 1);
    for (int cw : t.columnWidths) w += cw;
    int h = 2 * t.border.width + t.spacing * (t.rows + 1);
    for (int rh : t.rowHeights) h += rh;
    if (t.height.set && !t.height.percent && t.height.value > h && t.rows > 0) {
        int extra = t.height.value - h;
        for (int i = 0; i < t.rows; ++i)
            t.rowHeights[std::size_t(i)] += extra / t.rows + (i < extra % t.rows ? 1 : 0);
        h = t.height.value;
    }
    t.naturalWidth = w;
    if (t.width.set && !t.width.percent) t.naturalWidth = std::max(w, t.width.value);
    t.height_ = h;
}

static void emitBox(const Rect& r, const BoxFill& fill, const BoxBorder& border,
                    const ImageSource* image, std::vector<LayoutItem>& out) {
    if (fill.effect == FillEffect::Transparent && border.width <= 0 && !image) return;
    LayoutItem box;
    box.kind = LayoutItem::Kind::Box;
    box.rect = r;
    box.fill = fill;
    box.border = border;
    if (image) {
        box.hasImage = true;
        box.image = *image;
    }
    out.push_back(std::move(box));
}

void placeTable(Table& t, int x, int y, int available, std::vector<LayoutItem>& out) {
    int natural = 2 * t.border.width + t.spacing * (t.columns + 1);
    for (int cw : t.columnWidths) natural += cw;
    int target = std::max({natural, resolve(t.width, available), t.naturalWidth});
    std::vector<int> cols = t.columnWidths;
    if (target > natural && t.columns > 0) {
        int extra = target - natural;
        for (int i = 0; i < t.columns; ++i)
            cols[std::size_t(i)] += extra / t.columns + (i < extra % t.columns ? 1 : 0);
    }
    if (available > target) {
        if (t.align == HAlign::Centre) x += (available - target) / 2;
        else if (t.align == HAlign::Right) x += available - target;
    }
    emitBox({x, y, x + target, y + t.height_}, t.fill, t.border,
            t.hasBackgroundImage ? &t.backgroundImage : nullptr, out);

    std::vector<int> colX(std::size_t(t.columns) + 1), rowY(std::size_t(t.rows) + 1);
    colX[0] = x + t.border.width + t.spacing;
    for (int i = 0; i < t.columns; ++i)
        colX[std::size_t(i) + 1] = colX[std::size_t(i)] + cols[std::size_t(i)] + t.spacing;
    rowY[0] = y + t.border.width + t.spacing;
    for (int i = 0; i < t.rows; ++i)
        rowY[std::size_t(i) + 1] = rowY[std::size_t(i)] + t.rowHeights[std::size_t(i)] + t.spacing;

    for (auto& c : t.cells) {
        Rect r{colX[std::size_t(c->column)], rowY[std::size_t(c->row)],
               colX[std::size_t(c->column + c->columnSpan)] - t.spacing,
               rowY[std::size_t(c->row + c->rowSpan)] - t.spacing};
        emitBox(r, c->fill, c->border, c->hasBackgroundImage ? &c->backgroundImage : nullptr, out);
        int inset = c->border.width + t.padding;
        int innerW = r.width() - 2 * inset;
        int innerH = r.height() - 2 * inset;
        int dy = 0;
        if (c->vAlign == VAlign::Middle) dy = (innerH - c->content.height) / 2;
        else if (c->vAlign == VAlign::Bottom) dy = innerH - c->content.height;
        placeBlock(c->content, r.left + inset, r.top + inset + std::max(0, dy), innerW, out);
    }
}

}  // namespace richtext
