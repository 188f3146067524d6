// Lays a recorded flow out into lines: wraps text at blanks, sets tab stops,
// line heights and the indents and spacing of block boxes. The same pass
// measures a flow at its widest (never wrapping) and its narrowest (a break at
// every blank, words kept whole) for table columns.
#include "richtext/LayoutTree.h"

#include <algorithm>

namespace richtext {

namespace {

// Indents of nested boxes stop growing here, so coordinates stay small.
constexpr int kMaxIndent = 100000;

class FlowLayout {
public:
    FlowLayout(TextDevice& device, Block& block, int maxWidth, FlowMode mode)
        : device_(device), block_(block), maxWidth_(maxWidth), mode_(mode) {}

    void run(std::vector<FlowCommand>& commands) {
        for (FlowCommand& c : commands) {
            switch (c.kind) {
            case FlowCommand::Kind::Text:
                text(c);
                break;
            case FlowCommand::Kind::Tabs:
                tabs(c);
                break;
            case FlowCommand::Kind::Breaks:
                breaks(c);
                break;
            case FlowCommand::Kind::Rule:
                rule(c);
                break;
            case FlowCommand::Kind::Image:
                image(c);
                break;
            case FlowCommand::Kind::Table:
                table(c);
                break;
            case FlowCommand::Kind::OpenBox:
                openBox(c.box);
                break;
            case FlowCommand::Kind::CloseBox:
                closeBox();
                break;
            }
        }
        while (!boxes_.empty()) closeBox();
        if (!line_.items.empty()) finishLine(0);
    }

private:
    struct OpenBox {
        BoxSpec box;
        int left = 0, right = 0;  // indents outside the box
        std::size_t backdrop = 0; // its background node, when filled
        int backdropTop = 0;
    };

    bool placing() const { return mode_ == FlowMode::Place; }

    // Width lines wrap at, inside the indents; 0 never wraps.
    int wrapWidth() const {
        if (mode_ == FlowMode::Narrowest) return 1;
        if (maxWidth_ <= 0) return 0;
        return std::max(1, maxWidth_ - left_ - right_);
    }

    void grow(int width, int height) {
        block_.width = std::max(block_.width, width + left_ + right_);
        block_.height += height;
    }

    void addNode(Block::Node node) {
        node.indentLeft = left_;
        node.indentRight = right_;
        block_.nodes.push_back(std::move(node));
    }

    void addItem(LayoutItem item, HAlign group, int width, int height, int ascent) {
        int g = int(group);
        int x = line_.groupWidth[g];
        item.rect = {x, 0, x + width, height};
        line_.groupWidth[g] += width;
        line_.items.push_back(std::move(item));
        line_.groups.push_back(group);
        ascents_.push_back(ascent);
        heights_.push_back(height);
    }

    void finishLine(int emptyHeight) {
        Line& line = line_;
        if (line.items.empty()) {
            line.height = emptyHeight;
        } else {
            int above = 0, below = 0, tallest = 0;
            for (std::size_t i = 0; i < line.items.size(); ++i) {
                if (line.items[i].vAlign == VAlign::Baseline) {
                    above = std::max(above, ascents_[i]);
                    below = std::max(below, heights_[i] - ascents_[i]);
                } else {
                    tallest = std::max(tallest, heights_[i]);
                }
            }
            line.height = std::max(above + below, tallest);
            for (std::size_t i = 0; i < line.items.size(); ++i) {
                LayoutItem& it = line.items[i];
                int h = heights_[i];
                int y = 0;
                switch (it.vAlign) {
                case VAlign::Top:
                    y = 0;
                    break;
                case VAlign::Middle:
                    y = (line.height - h) / 2;
                    break;
                case VAlign::Bottom:
                    y = line.height - h;
                    break;
                case VAlign::Baseline:
                    y = above - ascents_[i];
                    break;
                }
                it.rect.top = y;
                it.rect.bottom = y + h;
            }
        }
        grow(line.width(), line.height);
        if (placing()) addNode(Block::Node{std::move(line), nullptr});
        line_ = Line{};
        ascents_.clear();
        heights_.clear();
    }

    void space(int height) {
        if (height <= 0) return;
        grow(0, height);
        if (placing()) {
            Block::Node gap;
            gap.line.height = height;
            addNode(std::move(gap));
        }
    }

    // Measuring needs only the sizes of the pieces, not their look or text.
    LayoutItem pieceOf(const FlowCommand& c, std::u16string_view text) const {
        LayoutItem item;
        if (placing()) {
            item = c.item;
            item.text.assign(text);
        } else {
            item.vAlign = c.item.vAlign;
        }
        return item;
    }

    void piece(const FlowCommand& c, std::u16string_view text) {
        addItem(pieceOf(c, text), c.group, device_.textWidth(c.item.font, text), c.height, c.ascent);
    }

    void text(const FlowCommand& c) {
        std::u16string_view rest = c.text;
        const FontSpec& f = c.item.font;
        int wrap = wrapWidth();
        if (wrap <= 0 || c.preformatted) {
            piece(c, rest);
            return;
        }
        while (!rest.empty()) {
            int room = wrap - line_.width();
            // Only as many characters as could possibly fit are measured, so a
            // long run costs time in proportion to its length.
            std::size_t limit = std::min(rest.size(), std::size_t(std::max(room, 0)) + 1);
            std::size_t n = room > 0 ? device_.fitCharacters(f, rest.substr(0, limit), room) : 0;
            n = std::min(n, limit);
            if (n >= rest.size()) {
                piece(c, rest);
                return;
            }
            std::size_t cut = 0;
            for (std::size_t k = n; k > 0; --k) {
                if (rest[k] == u' ') {
                    cut = k;
                    break;
                }
            }
            if (cut > 0) {
                piece(c, rest.substr(0, cut));
                rest.remove_prefix(cut);
            } else if (rest[0] == u' ') {
                if (line_.items.empty()) {
                    while (!rest.empty() && rest.front() == u' ') rest.remove_prefix(1);
                    continue;
                }
            } else if (line_.items.empty()) {
                std::size_t take = std::max<std::size_t>(n, 1);
                if (mode_ == FlowMode::Narrowest) {
                    // The narrowest a flow gets keeps its words whole.
                    take = std::min(rest.find(u' '), rest.size());
                } else if (take < rest.size() && rest[take] >= 0xDC00 && rest[take] <= 0xDFFF) {
                    take = take > 1 ? take - 1 : take + 1; // keep surrogate pairs together
                }
                piece(c, rest.substr(0, take));
                rest.remove_prefix(take);
            }
            // Otherwise the word moves to the next line whole.
            finishLine(0);
            while (!rest.empty() && rest.front() == u' ') rest.remove_prefix(1);
        }
    }

    void tabs(const FlowCommand& c) {
        int stop = std::max(1, c.width);
        int x = line_.width();
        int next = (x / stop + c.count) * stop;
        addItem(pieceOf(c, {}), c.group, next - x, c.height, c.ascent);
    }

    void breaks(const FlowCommand& c) {
        finishLine(c.height);
        // The empty lines of one tag become one line, so a count costs nothing.
        space(c.height * (c.count - 1));
    }

    void rule(FlowCommand& c) {
        if (!line_.items.empty()) finishLine(0);
        grow(c.rule.width(), c.rule.height);
        if (placing()) addNode(Block::Node{std::move(c.rule), nullptr});
    }

    void image(const FlowCommand& c) {
        int wrap = wrapWidth();
        if (wrap > 0 && !line_.items.empty() && line_.width() + c.width > wrap) finishLine(0);
        LayoutItem item;
        if (placing()) item = c.item;
        item.vAlign = c.item.vAlign;
        addItem(std::move(item), c.group, c.width, c.height, c.height);
    }

    void table(FlowCommand& c) {
        if (!line_.items.empty()) finishLine(0);
        if (!c.table) return;
        Table& t = *c.table;
        if (mode_ == FlowMode::Widest) return grow(t.maxWidth, 0);
        if (mode_ == FlowMode::Narrowest) return grow(t.minWidth, 0);
        layoutTable(t, maxWidth_ > 0 ? std::max(1, maxWidth_ - left_ - right_) : 0, device_);
        grow(t.naturalWidth, t.height_);
        addNode(Block::Node{Line{}, std::move(c.table)});
    }

    void openBox(const BoxSpec& box) {
        if (!line_.items.empty()) finishLine(0);
        space(box.margins.top);
        OpenBox open{box, left_, right_, 0, 0};
        if (placing() && box.filled) {
            Block::Node back;
            back.backdrop = true;
            back.backdropColour = box.background;
            addNode(std::move(back));
            block_.nodes.back().indentLeft = std::min(left_ + box.margins.left, kMaxIndent);
            block_.nodes.back().indentRight = std::min(right_ + box.margins.right, kMaxIndent);
            open.backdrop = block_.nodes.size(); // one past, so 0 means none
            open.backdropTop = block_.height;
        }
        boxes_.push_back(open);
        left_ = std::min(left_ + box.margins.left + box.paddings.left, kMaxIndent);
        right_ = std::min(right_ + box.margins.right + box.paddings.right, kMaxIndent);
        grow(0, 0);
        space(box.paddings.top);
    }

    void closeBox() {
        if (boxes_.empty()) return;
        if (!line_.items.empty()) finishLine(0);
        OpenBox open = boxes_.back();
        boxes_.pop_back();
        space(open.box.paddings.bottom);
        if (open.backdrop > 0)
            block_.nodes[open.backdrop - 1].backdropHeight = block_.height - open.backdropTop;
        left_ = open.left;
        right_ = open.right;
        space(open.box.margins.bottom);
    }

    TextDevice& device_;
    Block& block_;
    int maxWidth_;
    FlowMode mode_;
    Line line_;
    std::vector<int> ascents_, heights_;
    int left_ = 0, right_ = 0;
    std::vector<OpenBox> boxes_;
};

} // namespace

void layoutFlow(TextDevice& device, std::vector<FlowCommand>& commands, int maxWidth, FlowMode mode,
                Block& out) {
    FlowLayout(device, out, maxWidth, mode).run(commands);
}

} // namespace richtext
