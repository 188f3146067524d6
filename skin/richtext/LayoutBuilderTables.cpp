// The table tags: a table opens a block of rows and cells; each cell is read
// as a flow of its own and the style of the text around a table is restored
// when it closes.
#include "richtext/LayoutBuilder.h"

#include "richtext/TextEncoding.h"

#include <algorithm>

namespace richtext {

namespace {

FillEffect EffectFrom(const std::string& v, FillEffect fallback) {
    if (v == "transparent") return FillEffect::Transparent;
    if (v == "solid") return FillEffect::Solid;
    if (v == "hgradient") return FillEffect::HGradient;
    if (v == "vgradient") return FillEffect::VGradient;
    if (v == "hcgradient") return FillEffect::HCGradient;
    if (v == "vcgradient") return FillEffect::VCGradient;
    if (v == "3hgradient") return FillEffect::H3Gradient;
    if (v == "3vgradient") return FillEffect::V3Gradient;
    return fallback;
}

HAlign AlignFrom(const std::string& v, HAlign fallback) {
    if (v == "left") return HAlign::Left;
    if (v == "center" || v == "centre" || v == "middle") return HAlign::Centre;
    if (v == "right") return HAlign::Right;
    return fallback;
}

const std::u16string* Either(const Tag& tag, const Tag* fallback, std::string_view name) {
    if (const auto* v = tag.Attribute(name)) return v;
    return fallback ? fallback->Attribute(name) : nullptr;
}

} // namespace

VAlign LayoutBuilder::VAlignFrom(const std::string& v, VAlign fallback) const {
    if (v == "top" || v == "baseline") return VAlign::Top;
    if (v == "middle" || v == "center" || v == "vcenter") return VAlign::Middle;
    if (v == "bottom") return VAlign::Bottom;
    return fallback;
}

LengthSpec LayoutBuilder::LengthSpecFrom(const std::string& raw) {
    LengthSpec length;
    std::string_view v = TrimBlanks(raw);
    if (v.empty()) return length;
    length.set = true;
    if (v.back() == '%') {
        length.percent = true;
        length.value = int(std::min<std::uint64_t>(ParseUnsigned(v, 1000), 1000));
    } else {
        measuring_ = &style_;
        length.value = std::min(ParseLength(v, 0, *this), int(kMaxLength));
        measuring_ = nullptr;
    }
    return length;
}

BoxFill LayoutBuilder::FillFrom(const Tag& tag, const Tag* fallback) const {
    BoxFill fill;
    auto text = [&](std::string_view name) {
        const auto* v = Either(tag, fallback, name);
        return v ? ToUtf8(*v) : std::string();
    };
    bool hasColour = Either(tag, fallback, "bgcolor") != nullptr;
    fill.colour = colours_.Parse(text("bgcolor"), 0xFFFFFF);
    fill.end = colours_.Parse(text("bgendcolor"), fill.colour);
    fill.middle = colours_.Parse(text("bgmidcolor"), fill.end);
    fill.effect = hasColour ? FillEffect::Solid : FillEffect::Transparent;
    fill.effect = EffectFrom(ToLower(TrimBlanks(text("bgeffect"))), fill.effect);
    return fill;
}

void LayoutBuilder::OpenTable(const Tag& tag) {
    if (ignoredTables_ > 0 || tables_.size() >= kMaxTableDepth) {
        ++ignoredTables_;
        return;
    }
    // A cell-less table position: text between the table tags and the first
    // cell has no place to go and is dropped.
    auto table = std::make_unique<Table>();
    Table& t = *table;
    measuring_ = &style_;
    auto px = [&](std::string_view name, int fallback, int cap) {
        const auto* v = tag.Attribute(name);
        if (!v) return fallback;
        return std::clamp(ParseLength(ToUtf8(*v), fallback, *this), 0, cap);
    };
    t.border.width = px("border", 0, 100);
    if (tag.Attribute("border") && TrimBlanks(Attr(tag, "border")).empty()) t.border.width = 1;
    t.padding = px("cellpadding", 1, 1000);
    t.spacing = px("cellspacing", 2, 1000);
    measuring_ = nullptr;
    if (tag.Attribute("borderstyle"))
        t.border.style = properties_.BorderStyleFrom(Attr(tag, "borderstyle"), BorderStyle::Solid);
    if (t.border.style == BorderStyle::None) t.border.width = 0;
    Colour both = colours_.Parse(Attr(tag, "bordercolor"), 0);
    if (tag.Attribute("bordercolor")) t.border.light = t.border.dark = both;
    t.border.light = colours_.Parse(Attr(tag, "bordercolorlight"), t.border.light);
    t.border.dark = colours_.Parse(Attr(tag, "bordercolordark"), t.border.dark);
    t.border.raised = true;
    t.fill = FillFrom(tag, nullptr);
    t.width = LengthSpecFrom(Attr(tag, "width"));
    t.height = LengthSpecFrom(Attr(tag, "height"));
    t.align = AlignFrom(ToLower(TrimBlanks(Attr(tag, "align"))), HAlign::Left);
    if (const auto* bg = tag.Attribute("background"); bg && !bg->empty()) {
        t.hasBackgroundImage = true;
        t.backgroundImage.file = *bg;
    }

    TableState open;
    open.table = &t;
    open.flowDepth = flows_.size();
    open.savedDepth = stack_.size();
    open.savedStyle = style_;
    open.savedOverflow = overflow_;
    open.rowTag.name = "tr";

    Command(FlowCommand::Kind::Table).table = std::move(table);
    tables_.push_back(std::move(open));
}

void LayoutBuilder::OpenRow(const Tag& tag) {
    CloseCell();
    TableState& o = tables_.back();
    ++o.row;
    o.nextColumn = 0;
    for (int& p : o.pending)
        if (p > 0) --p;
    o.rowTag = tag;
}

void LayoutBuilder::OpenCell(const Tag& tag) {
    CloseCell();
    TableState& o = tables_.back();
    if (o.row < 0) {
        o.row = 0;
    }
    Table& t = *o.table;
    int col = o.nextColumn;
    while (col < int(o.pending.size()) && o.pending[std::size_t(col)] > 0) ++col;

    auto number = [&](std::string_view name, int cap) {
        const auto* v = tag.Attribute(name);
        if (!v) return 1;
        return std::clamp(int(ParseUnsigned(TrimBlanks(ToUtf8(*v)), std::uint64_t(cap))), 1, cap);
    };
    auto cell = std::make_unique<Cell>();
    Cell& c = *cell;
    c.row = o.row;
    c.column = std::min(col, kMaxColumns - 1);
    c.columnSpan = std::min(number("colspan", kMaxColumns), kMaxColumns - c.column);
    c.rowSpan = number("rowspan", kMaxRowSpan);
    c.width = LengthSpecFrom(Attr(tag, "width"));
    c.height =
        LengthSpecFrom(ToUtf8(Either(tag, &o.rowTag, "height") ? *Either(tag, &o.rowTag, "height") : u""));
    c.vAlign = VAlignFrom(ToLower(TrimBlanks(ToUtf8(
                              Either(tag, &o.rowTag, "valign") ? *Either(tag, &o.rowTag, "valign") : u""))),
                          VAlign::Middle);
    c.fill = FillFrom(tag, &o.rowTag);
    c.border = t.border;
    c.border.raised = false;
    c.border.width = t.border.width > 0 ? 1 : 0;
    if (tag.Attribute("border")) {
        measuring_ = &style_;
        c.border.width = std::clamp(ParseLength(Attr(tag, "border"), 1, *this), 0, 100);
        measuring_ = nullptr;
    }
    if (tag.Attribute("borderstyle"))
        c.border.style = properties_.BorderStyleFrom(Attr(tag, "borderstyle"), c.border.style);
    if (c.border.style == BorderStyle::None) c.border.width = 0;
    if (tag.Attribute("bordercolor"))
        c.border.light = c.border.dark = colours_.Parse(Attr(tag, "bordercolor"), 0);
    c.border.light = colours_.Parse(Attr(tag, "bordercolorlight"), c.border.light);
    c.border.dark = colours_.Parse(Attr(tag, "bordercolordark"), c.border.dark);
    if (const auto* bg = tag.Attribute("background"); bg && !bg->empty()) {
        c.hasBackgroundImage = true;
        c.backgroundImage.file = *bg;
    }

    o.cellStyle = style_;
    o.cellDepth = stack_.size();
    o.cellOverflow = overflow_;
    const auto* align = Either(tag, &o.rowTag, "align");
    style_.hAlign = AlignFrom(ToLower(TrimBlanks(align ? ToUtf8(*align) : std::string())), style_.hAlign);

    std::vector<FlowCommand>* content = &c.commands;
    if (col >= kMaxColumns) {
        o.scratch = std::move(cell);
        content = &o.scratch->commands;
    } else {
        if (int(o.pending.size()) < c.column + c.columnSpan)
            o.pending.resize(std::size_t(c.column + c.columnSpan), 0);
        for (int i = c.column; i < c.column + c.columnSpan; ++i)
            o.pending[std::size_t(i)] = std::max(o.pending[std::size_t(i)], c.rowSpan);
        o.nextColumn = c.column + c.columnSpan;
        t.columns = std::max(t.columns, c.column + c.columnSpan);
        t.cells.push_back(std::move(cell));
    }
    flows_.push_back(Flow{content});
    o.cellOpen = true;
}

void LayoutBuilder::CloseCell() {
    TableState& o = tables_.back();
    if (!o.cellOpen) return;
    CloseBoxesAbove(o.cellDepth);
    flows_.pop_back();
    if (stack_.size() > o.cellDepth) stack_.resize(o.cellDepth);
    style_ = o.cellStyle;
    overflow_ = o.cellOverflow;
    o.cellOpen = false;
    o.scratch.reset();
}

void LayoutBuilder::CloseTable() {
    CloseCell();
    TableState& o = tables_.back();
    while (flows_.size() > o.flowDepth) flows_.pop_back();
    MeasureTable(*o.table, device_);
    if (stack_.size() > o.savedDepth) stack_.resize(o.savedDepth);
    style_ = o.savedStyle;
    overflow_ = o.savedOverflow;
    tables_.pop_back();
}

} // namespace richtext
