#include "richtext/LayoutBuilder.h"

#include "richtext/TextEncoding.h"
#include "richtext/TextTransform.h"

#include <algorithm>

namespace richtext {

namespace {

std::string_view pushNameOf(std::string_view tag) {
    if (tag == "b" || tag == "bold") return "bold";
    if (tag == "i" || tag == "em") return "italic";
    if (tag == "u" || tag == "underline") return "underline";
    if (tag == "s" || tag == "strike" || tag == "strikeout") return "strikeout";
    if (tag == "a") return "link";
    if (tag == "middle") return "vcenter";
    return tag;
}

bool isUnpushedTag(std::string_view tag) {
    static constexpr std::string_view kTags[] = {"br",   "new_line", "t",      "tab",   "hr", "bmp",
                                                 "icon", "ilst",     "string", "table", "tr", "td"};
    return std::find(std::begin(kTags), std::end(kTags), tag) != std::end(kTags);
}

// Tags that style a piece of a line; margins and paddings in their rules are
// not used. Every other pushed tag whose rule sets them starts a block box.
bool isInlineTag(std::string_view tag) {
    static constexpr std::string_view kTags[] = {"code", "big", "small", "sub", "sup", "span", "a"};
    return std::find(std::begin(kTags), std::end(kTags), tag) != std::end(kTags);
}

bool isRuleTag(std::string_view tag) {
    static constexpr std::string_view kTags[] = {"body", "h1",  "h2",  "h3",    "h4",  "h5", "h6",
                                                 "code", "pre", "big", "small", "sub", "sup"};
    return std::find(std::begin(kTags), std::end(kTags), tag) != std::end(kTags);
}

} // namespace

LayoutBuilder::LayoutBuilder(TextDevice& device, const StyleSheet& sheet, const ColourResolver& colours,
                             const BuildOptions& options)
    : device_(device), sheet_(sheet), colours_(colours), options_(options), properties_(colours, *this) {}

int LayoutBuilder::pixelsPerInch() {
    if (ppi_ <= 0) ppi_ = std::clamp(device_.pixelsPerInch(), 1, 10000);
    return ppi_;
}
int LayoutBuilder::xHeight() {
    return metricsOf(measuring_ ? *measuring_ : style_).xHeight;
}
int LayoutBuilder::charHeight() {
    return metricsOf(measuring_ ? *measuring_ : style_).height;
}

FontSpec LayoutBuilder::font(const TextStyle& s) const {
    return FontSpec{s.fontFace, s.fontSize, s.weight, s.italic, s.underline, s.strikeOut};
}

FontMetrics LayoutBuilder::metricsOf(const TextStyle& s) {
    return device_.metrics(font(s));
}

void LayoutBuilder::applyRule(std::string_view selector) {
    if (const std::string* list = sheet_.find(selector)) {
        measuring_ = &style_;
        properties_.applyList(*list, style_);
        measuring_ = nullptr;
    }
}

BuiltText LayoutBuilder::build(std::u16string_view text) {
    BuiltText out;
    style_ = TextStyle{};
    stack_.clear();
    applyRule("body");
    std::vector<FlowCommand> commands;
    flows_.push_back(Flow{&commands});

    Tag body;
    body.name = "body";
    handleTag(body);

    MarkupTokenizer tokens(text);
    Token token;
    while (tokens.next(token)) {
        switch (token.kind) {
        case Token::Kind::Text:
            addText(std::move(token.text));
            break;
        case Token::Kind::Tag:
            if (token.tag.closing)
                handleClosing(token.tag);
            else
                handleTag(token.tag);
            break;
        case Token::Kind::LineFeed:
            if (style_.preformatted) lineBreaks(1);
            break;
        case Token::Kind::Tab:
            if (style_.preformatted) addTabs(1);
            break;
        case Token::Kind::CarriageReturn:
            break;
        }
    }
    while (!tables_.empty()) closeTable();
    closeBoxesAbove(0);
    flows_.clear();
    boxDepths_.clear();
    layoutFlow(device_, commands, options_.maxWidth, FlowMode::Place, out.root);
    out.links = std::move(links_);
    return out;
}

void LayoutBuilder::push(std::string_view name) {
    if (stack_.size() >= kMaxStyleDepth) {
        ++overflow_;
        return;
    }
    stack_.push_back(style_);
    stack_.back().tagName.assign(name.substr(0, kMaxTagNameLength));
}

void LayoutBuilder::handleClosing(const Tag& tag) {
    std::string_view name = tag.bareName();
    if (name == "table") {
        if (ignoredTables_ > 0)
            --ignoredTables_;
        else if (!tables_.empty())
            closeTable();
        return;
    }
    if (name == "td") {
        if (ignoredTables_ == 0 && !tables_.empty()) closeCell();
        return;
    }
    if (name == "tr") {
        if (ignoredTables_ == 0 && !tables_.empty()) closeCell();
        return;
    }
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    std::string_view pushed = pushNameOf(name).substr(0, kMaxTagNameLength);
    if (stack_.size() > closingFloor() && stack_.back().tagName == pushed) {
        style_ = std::move(stack_.back());
        stack_.pop_back();
        closeBoxesAbove(stack_.size());
    }
}

// Inside a table a closing tag cannot reach the styles pushed before it (or
// before the open cell): those end with the table or the cell.
std::size_t LayoutBuilder::closingFloor() const {
    if (tables_.empty()) return 0;
    const OpenTable& o = tables_.back();
    return o.cellOpen ? o.cellDepth : o.savedDepth;
}

void LayoutBuilder::openBox() {
    BoxSpec box;
    auto clamp = [](Edges e) {
        for (int* v : {&e.left, &e.top, &e.right, &e.bottom}) *v = std::clamp(*v, 0, kMaxBoxEdge);
        return e;
    };
    box.margins = clamp(style_.margins);
    box.paddings = clamp(style_.paddings);
    if (box.margins == Edges{} && box.paddings == Edges{}) return;
    // Only a background the tag itself sets is painted behind its box; an
    // inherited one is painted behind the runs as before.
    const TextStyle& outer = stack_.back();
    box.filled =
        style_.backgroundMode == BackgroundMode::Filled &&
        (outer.backgroundMode != BackgroundMode::Filled || outer.backgroundColour != style_.backgroundColour);
    box.background = style_.backgroundColour;
    command(FlowCommand::Kind::OpenBox).box = box;
    boxDepths_.push_back(stack_.size());
}

void LayoutBuilder::closeBoxesAbove(std::size_t depth) {
    while (!boxDepths_.empty() && boxDepths_.back() > depth) {
        command(FlowCommand::Kind::CloseBox);
        boxDepths_.pop_back();
    }
}

void LayoutBuilder::handleTag(const Tag& tag) {
    const std::string& name = tag.name;
    if (name.empty()) return;
    if (isUnpushedTag(name)) {
        auto count = [&](int fallback) {
            if (!tag.nameValue) return fallback;
            measuring_ = &style_;
            int n = parseLength(toUtf8(*tag.nameValue), fallback, *this);
            measuring_ = nullptr;
            return std::min(n, kMaxRepeat);
        };
        if (name == "br")
            lineBreaks(count(1));
        else if (name == "new_line")
            lineBreaks(1);
        else if (name == "t")
            addTabs(count(1));
        else if (name == "tab")
            addTabs(1);
        else if (name == "hr")
            addRule(tag);
        else if (name == "bmp")
            addImage(tag, ImageKind::Bitmap);
        else if (name == "icon")
            addImage(tag, ImageKind::Icon);
        else if (name == "ilst")
            addImage(tag, ImageKind::ImageList);
        else if (name == "string")
            addString(tag);
        else if (name == "table")
            openTable(tag);
        else if (name == "tr") {
            if (ignoredTables_ == 0 && !tables_.empty()) openRow(tag);
        } else if (name == "td") {
            if (ignoredTables_ == 0 && !tables_.empty()) openCell(tag);
        }
        return;
    }
    std::string_view pushed = pushNameOf(name);
    push(pushed);
    if (overflow_ > 0) return;
    // Margins and paddings belong to the tag whose rule sets them.
    style_.margins = style_.paddings = Edges{};
    applyTagEffect(tag, name);
    if (!dropping() && !isInlineTag(name)) openBox();
}

void LayoutBuilder::applyTagEffect(const Tag& tag, std::string_view name) {
    TextStyle& s = style_;
    if (name == "b" || name == "bold")
        s.weight = std::min(900, s.weight * 2);
    else if (name == "i" || name == "em")
        s.italic = !s.italic;
    else if (name == "u" || name == "underline")
        s.underline = !s.underline;
    else if (name == "s" || name == "strike" || name == "strikeout")
        s.strikeOut = !s.strikeOut;
    else if (name == "font")
        fontTag(tag);
    else if (name == "left")
        s.hAlign = HAlign::Left;
    else if (name == "center")
        s.hAlign = HAlign::Centre;
    else if (name == "right")
        s.hAlign = HAlign::Right;
    else if (name == "top")
        s.vAlign = VAlign::Top;
    else if (name == "middle" || name == "vcenter")
        s.vAlign = VAlign::Middle;
    else if (name == "bottom")
        s.vAlign = VAlign::Bottom;
    else if (name == "baseline")
        s.vAlign = VAlign::Baseline;
    else if (isRuleTag(name)) {
        applyRule(name);
        if (name == "pre") s.preformatted = true;
    } else if (name == "span") {
        std::string cls = attr(tag, "class");
        if (!cls.empty()) applyRule("." + cls);
    } else if (name == "a") {
        Link link;
        if (const auto* href = tag.attribute("href")) {
            link = {LinkKind::HyperReference, *href};
        } else if (const auto* msg = tag.attribute("msg")) {
            link = {LinkKind::Message, *msg};
        }
        s.linkKind = link.kind;
        s.linkIndex = -1;
        if (link.kind != LinkKind::None) {
            s.linkIndex = int(links_.size());
            links_.push_back(std::move(link));
        }
        bool hover = s.linkIndex >= 0 && s.linkIndex == options_.hoverLink;
        applyRule(hover ? "a:hover" : "a:link");
    } else {
        applyRule(name);
    }
}

void LayoutBuilder::fontTag(const Tag& tag) {
    TextStyle& s = style_;
    measuring_ = &s;
    if (const auto* face = tag.attribute("face"); face && !face->empty())
        s.fontFace = face->substr(0, kMaxFaceLength);
    if (const auto* size = tag.attribute("size"))
        s.fontSize = std::clamp(parseLength(toUtf8(*size), s.fontSize, *this, LengthForm::FontSize),
                                kMinFontSize, kMaxFontSize);
    if (const auto* colour = tag.attribute("color"))
        s.textColour = colours_.parse(toUtf8(*colour), s.textColour);
    if (const auto* style = tag.attribute("style")) {
        bool off = false;
        for (char16_t c : *style) {
            char16_t l = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
            if (l == u'-') {
                off = true;
                continue;
            }
            if (l == u'b')
                s.weight = off ? 400 : 700;
            else if (l == u'i')
                s.italic = !off;
            else if (l == u'u')
                s.underline = !off;
            else if (l == u's')
                s.strikeOut = !off;
            else if (l == u'o')
                s.overline = !off;
            off = false;
        }
    }
    if (const auto* weight = tag.attribute("weight"))
        s.weight = properties_.weight(toUtf8(*weight), s.weight);
    if (const auto* bk = tag.attribute("bkgnd")) properties_.background(toUtf8(*bk), s);
    measuring_ = nullptr;
}

std::string LayoutBuilder::attr(const Tag& tag, std::string_view name) const {
    const auto* v = tag.attribute(name);
    return v ? toUtf8(*v) : std::string();
}

// ---- flow content ----------------------------------------------------------

FlowCommand& LayoutBuilder::command(FlowCommand::Kind kind) {
    auto& list = *flows_.back().commands;
    list.emplace_back();
    list.back().kind = kind;
    list.back().group = style_.hAlign;
    return list.back();
}

LayoutItem LayoutBuilder::lookOf(const TextStyle& s) const {
    LayoutItem item;
    item.kind = LayoutItem::Kind::Text;
    item.font = font(s);
    item.colour = s.textColour;
    item.overline = s.overline;
    item.filled = s.backgroundMode == BackgroundMode::Filled;
    item.background = s.backgroundColour;
    item.link = s.linkIndex;
    item.vAlign = s.vAlign;
    return item;
}

void LayoutBuilder::lineBreaks(int count) {
    if (dropping() || count <= 0) return;
    FlowCommand& c = command(FlowCommand::Kind::Breaks);
    c.count = count;
    c.height = metricsOf(style_).height;
}

void LayoutBuilder::addTabs(int count) {
    if (count <= 0 || dropping()) return;
    FontMetrics m = metricsOf(style_);
    FlowCommand& c = command(FlowCommand::Kind::Tabs);
    c.item = lookOf(style_); // an empty run: only space
    c.item.overline = false;
    c.count = count;
    c.width = std::max(1, 4 * m.averageWidth);
    c.height = m.height;
    c.ascent = m.ascent;
}

void LayoutBuilder::addText(std::u16string text) {
    if (text.empty() || dropping()) return;
    applyTransform(text, style_.transform);
    FlowCommand& c = command(FlowCommand::Kind::Text);
    c.item = lookOf(style_);
    FontMetrics m = device_.metrics(c.item.font);
    c.text = std::move(text);
    c.height = m.height;
    c.ascent = m.ascent;
    c.preformatted = style_.preformatted;
}

void LayoutBuilder::addRule(const Tag& tag) {
    if (dropping()) return;
    TextStyle s = style_;
    measuring_ = &s;
    if (const std::string* list = sheet_.find("hr")) properties_.applyList(*list, s);
    Line line;
    line.isRule = true;
    line.ruleAlign = s.hAlign == HAlign::Left ? HAlign::Centre : s.hAlign;
    std::string width = attr(tag, "width");
    width = std::string(trimBlanks(width));
    if (!width.empty() && width.back() == '%') {
        line.rulePercent = int(std::min<std::uint64_t>(parseUnsigned(width, 1000), 100));
    } else if (!width.empty()) {
        line.rulePixels = parseLength(width, 0, *this);
    }
    int thickness = s.borderWidth;
    if (tag.attribute("size")) thickness = properties_.borderWidth(attr(tag, "size"), thickness);
    line.ruleThickness = std::clamp(thickness, 1, 1000);
    line.height = line.ruleThickness + 8;
    LayoutItem rule;
    rule.kind = LayoutItem::Kind::Rule;
    rule.colour = s.textColour;
    if (tag.attribute("color")) rule.colour = colours_.parse(attr(tag, "color"), rule.colour);
    measuring_ = nullptr;
    line.items.push_back(std::move(rule));
    line.groups.push_back(HAlign::Left);
    if (line.rulePixels >= 0) line.groupWidth[0] = line.rulePixels;
    command(FlowCommand::Kind::Rule).rule = std::move(line);
}

void LayoutBuilder::addImage(const Tag& tag, ImageKind kind) {
    if (dropping()) return;
    ImageSource src;
    src.kind = kind;
    auto number = [&](std::string_view name) {
        return std::uint32_t(parseUnsigned(trimBlanks(attr(tag, name)), 0xFFFFFFFFull));
    };
    if (tag.attribute("idres")) {
        src.module = options_.resourceModule;
        src.resourceId = number("idres");
    }
    if (tag.attribute("iddll") && tag.attribute("srcdll")) {
        src.module = nullptr;
        src.resourceId = number("iddll");
        src.moduleFile = *tag.attribute("srcdll");
    }
    if (tag.attribute("handle"))
        src.handle = std::uintptr_t(parseUnsigned(trimBlanks(attr(tag, "handle")), ~0ull));
    if (const auto* file = tag.attribute("file")) src.file = *file;
    if (tag.attribute("mask")) src.mask = colours_.parse(attr(tag, "mask"), 0xFF00FF);
    src.index = int(std::min<std::uint32_t>(number("index"), 1u << 20));
    src.cellWidth = int(std::min<std::uint32_t>(number("cx"), kMaxImageSide));
    src.cellHeight = int(std::min<std::uint32_t>(number("cy"), kMaxImageSide));
    src.style = int(number("style"));
    src.hotStyle = tag.attribute("hotstyle") ? int(number("hotstyle")) : src.style;
    auto natural = device_.imageSize(src);
    if (!natural) return;
    measuring_ = &style_;
    int w = std::min(parseLength(attr(tag, "width"), natural->width, *this), kMaxImageSide);
    int h = std::min(parseLength(attr(tag, "height"), natural->height, *this), kMaxImageSide);
    measuring_ = nullptr;
    FlowCommand& c = command(FlowCommand::Kind::Image);
    c.item.kind = LayoutItem::Kind::Image;
    c.item.image = std::move(src);
    c.item.hasImage = true;
    c.item.link = style_.linkIndex;
    c.item.vAlign = style_.vAlign;
    c.width = w;
    c.height = h;
}

void LayoutBuilder::addString(const Tag& tag) {
    StringSource src;
    if (tag.attribute("idres")) {
        src.module = options_.resourceModule;
        src.resourceId = std::uint32_t(parseUnsigned(trimBlanks(attr(tag, "idres")), 0xFFFFFFFFull));
    }
    if (tag.attribute("iddll") && tag.attribute("srcdll")) {
        src.module = nullptr;
        src.resourceId = std::uint32_t(parseUnsigned(trimBlanks(attr(tag, "iddll")), 0xFFFFFFFFull));
        src.moduleFile = *tag.attribute("srcdll");
    }
    if (auto text = device_.loadString(src)) {
        // A resource string is shown as it stands, never read as markup.
        for (char16_t& c : *text)
            if (c == u'\r' || c == u'\n' || c == u'\t') c = u' ';
        addText(std::move(*text));
    }
}

} // namespace richtext
