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

    void Run(std::vector<FlowCommand>& commands) {
        for (FlowCommand& c : commands) {
            switch (c.kind) {
            case FlowCommand::Kind::Text:
                OnText(c);
                break;
            case FlowCommand::Kind::Tabs:
                OnTabs(c);
                break;
            case FlowCommand::Kind::Breaks:
                OnBreaks(c);
                break;
            case FlowCommand::Kind::Rule:
                OnRule(c);
                break;
            case FlowCommand::Kind::Image:
                OnImage(c);
                break;
            case FlowCommand::Kind::Table:
                OnTable(c);
                break;
            case FlowCommand::Kind::OpenBox:
                OnOpenBox(c.box);
                break;
            case FlowCommand::Kind::CloseBox:
                OnCloseBox();
                break;
            }
        }
        while (!boxes_.empty()) OnCloseBox();
        if (!line_.items.empty()) FinishLine(0);
    }

private:
    struct OpenBox {
        BoxSpec box;
        int left = 0, right = 0;  // indents outside the box
        std::size_t backdrop = 0; // its background node, when filled
        int backdropTop = 0;
    };

    bool Placing() const { return mode_ == FlowMode::Place; }

    // Width lines wrap at, inside the indents; 0 never wraps.
    int WrapWidth() const {
        if (mode_ == FlowMode::Narrowest) return 1;
        if (maxWidth_ <= 0) return 0;
        return std::max(1, maxWidth_ - left_ - right_);
    }

    void Grow(int width, int height) {
        block_.width = std::max(block_.width, ClampExtent(std::int64_t(width) + left_ + right_));
        block_.height = ClampExtent(std::int64_t(block_.height) + height);
    }

    void AddNode(Block::Node node) {
        node.indentLeft = left_;
        node.indentRight = right_;
        block_.nodes.push_back(std::move(node));
    }

    void AddItem(LayoutItem item, HAlign group, int width, int height, int ascent) {
        int g = int(group);
        int x = line_.groupWidth[g];
        int right = ClampExtent(std::int64_t(x) + width);
        item.rect = {x, 0, right, height};
        line_.groupWidth[g] = right;
        line_.items.push_back(std::move(item));
        line_.groups.push_back(group);
        ascents_.push_back(ascent);
        heights_.push_back(height);
    }

    void FinishLine(int emptyHeight) {
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
        Grow(line.Width(), line.height);
        if (Placing()) AddNode(Block::Node{std::move(line), nullptr});
        line_ = Line{};
        ascents_.clear();
        heights_.clear();
    }

    void Space(int height) {
        if (height <= 0) return;
        Grow(0, height);
        if (Placing()) {
            Block::Node gap;
            gap.line.height = height;
            AddNode(std::move(gap));
        }
    }

    // Measuring needs only the sizes of the pieces, not their look or text.
    LayoutItem PieceOf(const FlowCommand& c, std::u16string_view text) const {
        LayoutItem item;
        if (Placing()) {
            item = c.item;
            item.text.assign(text);
        } else {
            item.vAlign = c.item.vAlign;
        }
        return item;
    }

    void Piece(const FlowCommand& c, std::u16string_view text) {
        AddItem(PieceOf(c, text), c.group, device_.TextWidth(c.item.font, text), c.height, c.ascent);
    }

    void OnText(const FlowCommand& c) {
        std::u16string_view rest = c.text;
        const FontSpec& f = c.item.font;
        int wrap = WrapWidth();
        if (wrap <= 0 || c.preformatted) {
            Piece(c, rest);
            return;
        }
        while (!rest.empty()) {
            int room = wrap - line_.Width();
            // Only as many characters as could possibly fit are measured, so a
            // long run costs time in proportion to its length.
            std::size_t limit = std::min(rest.size(), std::size_t(std::max(room, 0)) + 1);
            std::size_t n = room > 0 ? device_.FitCharacters(f, rest.substr(0, limit), room) : 0;
            n = std::min(n, limit);
            if (n >= rest.size()) {
                Piece(c, rest);
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
                Piece(c, rest.substr(0, cut));
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
                Piece(c, rest.substr(0, take));
                rest.remove_prefix(take);
            }
            // Otherwise the word moves to the next line whole.
            FinishLine(0);
            while (!rest.empty() && rest.front() == u' ') rest.remove_prefix(1);
        }
    }

    void OnTabs(const FlowCommand& c) {
        int stop = std::max(1, c.width);
        int x = line_.Width();
        std::int64_t next = (std::int64_t(x) / stop + c.count) * stop;
        AddItem(PieceOf(c, {}), c.group, ClampExtent(next - x), c.height, c.ascent);
    }

    void OnBreaks(const FlowCommand& c) {
        FinishLine(c.height);
        // The empty lines of one tag become one line, so a count costs nothing.
        Space(ClampExtent(std::int64_t(c.height) * (c.count - 1)));
    }

    void OnRule(FlowCommand& c) {
        if (!line_.items.empty()) FinishLine(0);
        Grow(c.rule.Width(), c.rule.height);
        if (Placing()) AddNode(Block::Node{std::move(c.rule), nullptr});
    }

    void OnImage(const FlowCommand& c) {
        int wrap = WrapWidth();
        if (wrap > 0 && !line_.items.empty() && line_.Width() + c.width > wrap) FinishLine(0);
        LayoutItem item;
        if (Placing()) item = c.item;
        item.vAlign = c.item.vAlign;
        AddItem(std::move(item), c.group, c.width, c.height, c.height);
    }

    void OnTable(FlowCommand& c) {
        if (!line_.items.empty()) FinishLine(0);
        if (!c.table) return;
        Table& t = *c.table;
        if (mode_ == FlowMode::Widest) return Grow(t.maxWidth, 0);
        if (mode_ == FlowMode::Narrowest) return Grow(t.minWidth, 0);
        LayoutTable(t, maxWidth_ > 0 ? std::max(1, maxWidth_ - left_ - right_) : 0, device_);
        Grow(t.naturalWidth, t.laidOutHeight);
        AddNode(Block::Node{Line{}, std::move(c.table)});
    }

    void OnOpenBox(const BoxSpec& box) {
        if (!line_.items.empty()) FinishLine(0);
        Space(box.margins.top);
        OpenBox open{box, left_, right_, 0, 0};
        if (Placing() && box.filled) {
            Block::Node back;
            back.backdrop = true;
            back.backdropColour = box.background;
            AddNode(std::move(back));
            block_.nodes.back().indentLeft = std::min(left_ + box.margins.left, kMaxIndent);
            block_.nodes.back().indentRight = std::min(right_ + box.margins.right, kMaxIndent);
            open.backdrop = block_.nodes.size(); // one past, so 0 means none
            open.backdropTop = block_.height;
        }
        boxes_.push_back(open);
        left_ = std::min(left_ + box.margins.left + box.paddings.left, kMaxIndent);
        right_ = std::min(right_ + box.margins.right + box.paddings.right, kMaxIndent);
        Grow(0, 0);
        Space(box.paddings.top);
    }

    void OnCloseBox() {
        if (boxes_.empty()) return;
        if (!line_.items.empty()) FinishLine(0);
        OpenBox open = boxes_.back();
        boxes_.pop_back();
        Space(open.box.paddings.bottom);
        if (open.backdrop > 0)
            block_.nodes[open.backdrop - 1].backdropHeight = block_.height - open.backdropTop;
        left_ = open.left;
        right_ = open.right;
        Space(open.box.margins.bottom);
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

void LayoutFlow(TextDevice& device, std::vector<FlowCommand>& commands, int maxWidth, FlowMode mode,
                Block& out) {
    FlowLayout(device, out, maxWidth, mode).Run(commands);
}

} // namespace richtext
