// Geometry of tables: each cell is measured at its narrowest and widest, the
// available width is shared among the columns by those measures (spans share
// what they lack evenly), the cells are wrapped at their columns' widths and
// the rows sized; then the cells and their boxes are placed.
#include "richtext/LayoutTree.h"

#include <algorithm>

namespace richtext {

namespace {

int Chrome(const Cell& cell, int padding) {
    return 2 * (padding + cell.border.width);
}

// Widens `sizes[first, first+span)` evenly until they and the gaps between
// them hold `need`.
void Spread(std::vector<int>& sizes, int first, int span, int gap, int need) {
    std::int64_t have = std::int64_t(gap) * (span - 1);
    for (int i = first; i < first + span; ++i) have += sizes[std::size_t(i)];
    if (have >= need) return;
    int lack = int(need - have);
    for (int i = 0; i < span; ++i) sizes[std::size_t(first + i)] += lack / span + (i < lack % span ? 1 : 0);
}

int Resolve(const LengthSpec& length, int available) {
    if (!length.set) return 0;
    return length.percent ? ClampExtent(std::int64_t(available) * length.value / 100) : length.value;
}

// Width of the table's frame: its borders and the spacing around the columns.
int FrameWidth(const Table& t) {
    return ClampExtent(2 * std::int64_t(t.border.width) + std::int64_t(t.spacing) * (t.columns + 1));
}

// Narrowest and widest outer width of each column, for cells `available`
// pixels of columns wide (0: unknown, percent widths are then not used).
// Single cells first, so spanning cells only add what is still missing.
void ColumnBounds(const Table& t, int available, std::vector<int>& mins, std::vector<int>& maxs) {
    mins.assign(std::size_t(t.columns), 0);
    maxs.assign(std::size_t(t.columns), 0);
    for (int pass = 0; pass < 2; ++pass) {
        for (auto& c : t.cells) {
            if ((c->columnSpan > 1) != (pass == 1)) continue;
            int lo = c->minWidth + Chrome(*c, t.padding);
            int hi = std::max(lo, c->maxWidth + Chrome(*c, t.padding));
            int fixed = c->width.percent ? (available > 0 ? Resolve(c->width, available) : 0)
                                         : Resolve(c->width, available);
            // A given width holds unless the cell's words do not fit in it.
            if (fixed > 0) lo = hi = std::max(lo, fixed);
            Spread(mins, c->column, c->columnSpan, t.spacing, lo);
            Spread(maxs, c->column, c->columnSpan, t.spacing, hi);
        }
    }
    for (std::size_t i = 0; i < maxs.size(); ++i) maxs[i] = std::max(maxs[i], mins[i]);
}

int Sum(const std::vector<int>& v) {
    std::int64_t s = 0;
    for (int x : v) s += x;
    return ClampExtent(s);
}

// Column widths for `room` pixels of columns (0: unlimited): each column gets
// its narrowest width plus a share of what is left in proportion to how much
// wider it would like to be.
std::vector<int> ShareColumns(const std::vector<int>& mins, const std::vector<int>& maxs, int room) {
    int low = Sum(mins), high = Sum(maxs);
    if (room <= 0 || high <= room) return maxs;
    if (low >= room) return mins;
    std::vector<int> cols(mins.size());
    std::int64_t extra = room - low, wish = high - low, given = 0, wished = 0;
    for (std::size_t i = 0; i < cols.size(); ++i) {
        // Running totals, so the rounding adds up to exactly `room`.
        wished += maxs[i] - mins[i];
        std::int64_t upTo = extra * wished / wish;
        cols[i] = mins[i] + int(upTo - given);
        given = upTo;
    }
    return cols;
}

} // namespace

void MeasureTable(Table& t, TextDevice& device) {
    for (auto& c : t.cells) t.rows = std::max(t.rows, c->row + 1);
    for (auto& c : t.cells) {
        c->rowSpan = std::max(1, std::min(c->rowSpan, t.rows - c->row));
        Block widest, narrowest;
        LayoutFlow(device, c->commands, 0, FlowMode::Widest, widest);
        LayoutFlow(device, c->commands, 0, FlowMode::Narrowest, narrowest);
        c->maxWidth = widest.width;
        c->minWidth = std::min(narrowest.width, widest.width);
    }
    std::vector<int> mins, maxs;
    ColumnBounds(t, 0, mins, maxs);
    t.minWidth = ClampExtent(std::int64_t(FrameWidth(t)) + Sum(mins));
    t.maxWidth = ClampExtent(std::int64_t(FrameWidth(t)) + Sum(maxs));
    if (t.width.set && !t.width.percent) {
        t.minWidth = std::max(t.minWidth, t.width.value);
        t.maxWidth = std::max(t.maxWidth, t.width.value);
    }
}

void LayoutTable(Table& t, int available, TextDevice& device) {
    int target = available;
    if (t.width.set) target = t.width.percent ? Resolve(t.width, available) : t.width.value;
    int room = target > 0 ? std::max(0, target - FrameWidth(t)) : 0;
    std::vector<int> mins, maxs;
    ColumnBounds(t, room, mins, maxs);
    t.columnWidths = ShareColumns(mins, maxs, room);
    for (auto& c : t.cells) {
        std::int64_t sum = std::int64_t(t.spacing) * (c->columnSpan - 1) - Chrome(*c, t.padding);
        for (int i = c->column; i < c->column + c->columnSpan; ++i) sum += t.columnWidths[std::size_t(i)];
        int width = ClampExtent(sum);
        // A cell as wide as its widest line is not wrapped at all.
        int wrap = width >= c->maxWidth ? 0 : std::max(1, width);
        LayoutFlow(device, c->commands, wrap, FlowMode::Place, c->content);
        c->commands.clear();
    }

    t.rowHeights.assign(std::size_t(t.rows), 0);
    // Content wider than its share (a word longer than the column) widens it.
    for (int pass = 0; pass < 2; ++pass) {
        for (auto& c : t.cells) {
            if ((c->columnSpan > 1) != (pass == 1)) continue;
            Spread(t.columnWidths, c->column, c->columnSpan, t.spacing,
                   c->content.width + Chrome(*c, t.padding));
        }
    }
    int w = ClampExtent(std::int64_t(FrameWidth(t)) + Sum(t.columnWidths));
    std::int64_t h = 2 * std::int64_t(t.border.width) + std::int64_t(t.spacing) * (t.rows + 1);
    // Percent heights of cells are shares of a table of given height.
    int tableHeight = t.height.set && !t.height.percent ? t.height.value : 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (auto& c : t.cells) {
            if ((c->rowSpan > 1) != (pass == 1)) continue;
            int ch = c->content.height + Chrome(*c, t.padding);
            if (c->height.set) ch = std::max(ch, Resolve(c->height, tableHeight));
            Spread(t.rowHeights, c->row, c->rowSpan, t.spacing, ch);
        }
    }
    h = ClampExtent(h + Sum(t.rowHeights));
    if (tableHeight > h && t.rows > 0) {
        int extra = int(tableHeight - h);
        for (int i = 0; i < t.rows; ++i)
            t.rowHeights[std::size_t(i)] += extra / t.rows + (i < extra % t.rows ? 1 : 0);
        h = tableHeight;
    }
    t.naturalWidth = w;
    if (t.width.set && !t.width.percent) t.naturalWidth = std::max(w, t.width.value);
    t.laidOutHeight = int(h);
}

static void EmitBox(const Rect& r, const BoxFill& fill, const BoxBorder& border, const ImageSource* image,
                    std::vector<LayoutItem>& out) {
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

void PlaceTable(Table& t, int x, int y, int available, std::vector<LayoutItem>& out) {
    int natural = ClampExtent(std::int64_t(FrameWidth(t)) + Sum(t.columnWidths));
    int target = std::max({natural, Resolve(t.width, available), t.naturalWidth});
    std::vector<int> cols = t.columnWidths;
    if (target > natural && t.columns > 0) {
        int extra = target - natural;
        for (int i = 0; i < t.columns; ++i)
            cols[std::size_t(i)] += extra / t.columns + (i < extra % t.columns ? 1 : 0);
    }
    if (available > target) {
        if (t.align == HAlign::Centre)
            x += (available - target) / 2;
        else if (t.align == HAlign::Right)
            x += available - target;
    }
    EmitBox({x, y, ClampExtent(std::int64_t(x) + target), ClampExtent(std::int64_t(y) + t.laidOutHeight)},
            t.fill, t.border, t.hasBackgroundImage ? &t.backgroundImage : nullptr, out);

    std::vector<int> colX(std::size_t(t.columns) + 1), rowY(std::size_t(t.rows) + 1);
    colX[0] = ClampExtent(std::int64_t(x) + t.border.width + t.spacing);
    for (int i = 0; i < t.columns; ++i)
        colX[std::size_t(i) + 1] =
            ClampExtent(std::int64_t(colX[std::size_t(i)]) + cols[std::size_t(i)] + t.spacing);
    rowY[0] = ClampExtent(std::int64_t(y) + t.border.width + t.spacing);
    for (int i = 0; i < t.rows; ++i)
        rowY[std::size_t(i) + 1] =
            ClampExtent(std::int64_t(rowY[std::size_t(i)]) + t.rowHeights[std::size_t(i)] + t.spacing);

    for (auto& c : t.cells) {
        Rect r{colX[std::size_t(c->column)], rowY[std::size_t(c->row)], 0, 0};
        // Cells past the saturated edge of a huge table collapse there.
        r.right = std::max(r.left, colX[std::size_t(c->column + c->columnSpan)] - t.spacing);
        r.bottom = std::max(r.top, rowY[std::size_t(c->row + c->rowSpan)] - t.spacing);
        EmitBox(r, c->fill, c->border, c->hasBackgroundImage ? &c->backgroundImage : nullptr, out);
        int inset = c->border.width + t.padding;
        int innerW = r.Width() - 2 * inset;
        int innerH = r.Height() - 2 * inset;
        int dy = 0;
        if (c->vAlign == VAlign::Middle)
            dy = (innerH - c->content.height) / 2;
        else if (c->vAlign == VAlign::Bottom)
            dy = innerH - c->content.height;
        PlaceBlock(c->content, r.left + inset, r.top + inset + std::max(0, dy), innerW, out);
    }
}

} // namespace richtext
