// The table tags: a table opens a block of rows and cells; each cell is read
// as a flow of its own and the style of the text around a table is restored
// when it closes.
#include "richtext/LayoutBuilder.h"

#include "richtext/TextEncoding.h"

#include <algorithm>

namespace richtext {

namespace {

FillEffect effectFrom(const std::string& v, FillEffect fallback) {
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

HAlign alignFrom(const std::string& v, HAlign fallback) {
    if (v == "left") return HAlign::Left;
    if (v == "center" || v == "centre" || v == "middle") return HAlign::Centre;
    if (v == "right") return HAlign::Right;
    return fallback;
}

const std::u16string* either(const Tag& tag, const Tag* fallback, std::string_view name) {
    if (const auto* v = tag.attribute(name)) return v;
    return fallback ? fallback->attribute(name) : nullptr;
}

} // namespace

VAlign LayoutBuilder::vAlignFrom(const std::string& v, VAlign fallback) const {
    if (v == "top" || v == "baseline") return VAlign::Top;
    if (v == "middle" || v == "center" || v == "vcenter") return VAlign::Middle;
    if (v == "bottom") return VAlign::Bottom;
    return fallback;
}

LengthSpec LayoutBuilder::lengthSpec(const std::string& raw) {
    LengthSpec length;
    std::string_view v = trimBlanks(raw);
    if (v.empty()) return length;
    length.set = true;
    if (v.back() == '%') {
        length.percent = true;
        length.value = int(std::min<std::uint64_t>(parseUnsigned(v, 1000), 1000));
    } else {
        measuring_ = &style_;
        length.value = std::min(parseLength(v, 0, *this), int(kMaxLength));
        measuring_ = nullptr;
    }
    return length;
}

BoxFill LayoutBuilder::fillFrom(const Tag& tag, const Tag* fallback) const {
    BoxFill fill;
    auto text = [&](std::string_view name) {
        const auto* v = either(tag, fallback, name);
        return v ? toUtf8(*v) : std::string();
    };
    bool hasColour = either(tag, fallback, "bgcolor") != nullptr;
    fill.colour = colours_.parse(text("bgcolor"), 0xFFFFFF);
    fill.end = colours_.parse(text("bgendcolor"), fill.colour);
    fill.middle = colours_.parse(text("bgmidcolor"), fill.end);
    fill.effect = hasColour ? FillEffect::Solid : FillEffect::Transparent;
    fill.effect = effectFrom(toLower(trimBlanks(text("bgeffect"))), fill.effect);
    return fill;
}

void LayoutBuilder::openTable(const Tag& tag) {
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
        const auto* v = tag.attribute(name);
        if (!v) return fallback;
        return std::clamp(parseLength(toUtf8(*v), fallback, *this), 0, cap);
    };
    t.border.width = px("border", 0, 100);
    if (tag.attribute("border") && trimBlanks(attr(tag, "border")).empty()) t.border.width = 1;
    t.padding = px("cellpadding", 1, 1000);
    t.spacing = px("cellspacing", 2, 1000);
    measuring_ = nullptr;
    if (tag.attribute("borderstyle"))
        t.border.style = properties_.borderStyle(attr(tag, "borderstyle"), BorderStyle::Solid);
    if (t.border.style == BorderStyle::None) t.border.width = 0;
    Colour both = colours_.parse(attr(tag, "bordercolor"), 0);
    if (tag.attribute("bordercolor")) t.border.light = t.border.dark = both;
    t.border.light = colours_.parse(attr(tag, "bordercolorlight"), t.border.light);
    t.border.dark = colours_.parse(attr(tag, "bordercolordark"), t.border.dark);
    t.border.raised = true;
    t.fill = fillFrom(tag, nullptr);
    t.width = lengthSpec(attr(tag, "width"));
    t.height = lengthSpec(attr(tag, "height"));
    t.align = alignFrom(toLower(trimBlanks(attr(tag, "align"))), HAlign::Left);
    if (const auto* bg = tag.attribute("background"); bg && !bg->empty()) {
        t.hasBackgroundImage = true;
        t.backgroundImage.file = *bg;
    }

    OpenTable open;
    open.table = &t;
    open.flowDepth = flows_.size();
    open.savedDepth = stack_.size();
    open.savedStyle = style_;
    open.savedOverflow = overflow_;
    open.rowTag.name = "tr";

    command(FlowCommand::Kind::Table).table = std::move(table);
    tables_.push_back(std::move(open));
}

void LayoutBuilder::openRow(const Tag& tag) {
    closeCell();
    OpenTable& o = tables_.back();
    ++o.row;
    o.nextColumn = 0;
    for (int& p : o.pending)
        if (p > 0) --p;
    o.rowTag = tag;
}

void LayoutBuilder::openCell(const Tag& tag) {
    closeCell();
    OpenTable& o = tables_.back();
    if (o.row < 0) {
        o.row = 0;
    }
    Table& t = *o.table;
    int col = o.nextColumn;
    while (col < int(o.pending.size()) && o.pending[std::size_t(col)] > 0) ++col;

    auto number = [&](std::string_view name, int cap) {
        const auto* v = tag.attribute(name);
        if (!v) return 1;
        return std::clamp(int(parseUnsigned(trimBlanks(toUtf8(*v)), std::uint64_t(cap))), 1, cap);
    };
    auto cell = std::make_unique<Cell>();
    Cell& c = *cell;
    c.row = o.row;
    c.column = std::min(col, kMaxColumns - 1);
    c.columnSpan = std::min(number("colspan", kMaxColumns), kMaxColumns - c.column);
    c.rowSpan = number("rowspan", kMaxRowSpan);
    c.width = lengthSpec(attr(tag, "width"));
    c.height = lengthSpec(toUtf8(either(tag, &o.rowTag, "height") ? *either(tag, &o.rowTag, "height") : u""));
    c.vAlign = vAlignFrom(toLower(trimBlanks(toUtf8(
                              either(tag, &o.rowTag, "valign") ? *either(tag, &o.rowTag, "valign") : u""))),
                          VAlign::Middle);
    c.fill = fillFrom(tag, &o.rowTag);
    c.border = t.border;
    c.border.raised = false;
    c.border.width = t.border.width > 0 ? 1 : 0;
    if (tag.attribute("border")) {
        measuring_ = &style_;
        c.border.width = std::clamp(parseLength(attr(tag, "border"), 1, *this), 0, 100);
        measuring_ = nullptr;
    }
    if (tag.attribute("borderstyle"))
        c.border.style = properties_.borderStyle(attr(tag, "borderstyle"), c.border.style);
    if (c.border.style == BorderStyle::None) c.border.width = 0;
    if (tag.attribute("bordercolor"))
        c.border.light = c.border.dark = colours_.parse(attr(tag, "bordercolor"), 0);
    c.border.light = colours_.parse(attr(tag, "bordercolorlight"), c.border.light);
    c.border.dark = colours_.parse(attr(tag, "bordercolordark"), c.border.dark);
    if (const auto* bg = tag.attribute("background"); bg && !bg->empty()) {
        c.hasBackgroundImage = true;
        c.backgroundImage.file = *bg;
    }

    o.cellStyle = style_;
    o.cellDepth = stack_.size();
    o.cellOverflow = overflow_;
    const auto* align = either(tag, &o.rowTag, "align");
    style_.hAlign = alignFrom(toLower(trimBlanks(align ? toUtf8(*align) : std::string())), style_.hAlign);

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

void LayoutBuilder::closeCell() {
    OpenTable& o = tables_.back();
    if (!o.cellOpen) return;
    closeBoxesAbove(o.cellDepth);
    flows_.pop_back();
    if (stack_.size() > o.cellDepth) stack_.resize(o.cellDepth);
    style_ = o.cellStyle;
    overflow_ = o.cellOverflow;
    o.cellOpen = false;
    o.scratch.reset();
}

void LayoutBuilder::closeTable() {
    closeCell();
    OpenTable& o = tables_.back();
    while (flows_.size() > o.flowDepth) flows_.pop_back();
    measureTable(*o.table, device_);
    if (stack_.size() > o.savedDepth) stack_.resize(o.savedDepth);
    style_ = o.savedStyle;
    overflow_ = o.savedOverflow;
    tables_.pop_back();
}

} // namespace richtext
