#include "richtext/LayoutBuilder.h"

#include "richtext/TextEncoding.h"
#include "richtext/TextTransform.h"

#include <algorithm>

namespace richtext {

namespace {

std::string_view PushNameOf(std::string_view tag) {
    if (tag == "b" || tag == "bold") return "bold";
    if (tag == "i" || tag == "em") return "italic";
    if (tag == "u" || tag == "underline") return "underline";
    if (tag == "s" || tag == "strike" || tag == "strikeout") return "strikeout";
    if (tag == "a") return "link";
    if (tag == "middle") return "vcenter";
    return tag;
}

bool IsUnpushedTag(std::string_view tag) {
    static constexpr std::string_view kTags[] = {"br",   "new_line", "t",      "tab",   "hr", "bmp",
                                                 "icon", "ilst",     "string", "table", "tr", "td"};
    return std::find(std::begin(kTags), std::end(kTags), tag) != std::end(kTags);
}

// Tags that style a piece of a line; margins and paddings in their rules are
// not used. Every other pushed tag whose rule sets them starts a block box.
bool IsInlineTag(std::string_view tag) {
    static constexpr std::string_view kTags[] = {"code", "big", "small", "sub", "sup", "span", "a"};
    return std::find(std::begin(kTags), std::end(kTags), tag) != std::end(kTags);
}

bool IsRuleTag(std::string_view tag) {
    static constexpr std::string_view kTags[] = {"body", "h1",  "h2",  "h3",    "h4",  "h5", "h6",
                                                 "code", "pre", "big", "small", "sub", "sup"};
    return std::find(std::begin(kTags), std::end(kTags), tag) != std::end(kTags);
}

} // namespace

LayoutBuilder::LayoutBuilder(TextDevice& device, const StyleSheet& sheet, const ColourResolver& colours,
                             const BuildOptions& options)
    : device_(device), sheet_(sheet), colours_(colours), options_(options), properties_(colours, *this) {}

int LayoutBuilder::PixelsPerInch() {
    if (ppi_ <= 0) ppi_ = std::clamp(device_.PixelsPerInch(), 1, 10000);
    return ppi_;
}
int LayoutBuilder::XHeight() {
    return MetricsOf(measuring_ ? *measuring_ : style_).xHeight;
}
int LayoutBuilder::CharHeight() {
    return MetricsOf(measuring_ ? *measuring_ : style_).height;
}

FontSpec LayoutBuilder::Font(const TextStyle& s) const {
    return FontSpec{s.fontFace, s.fontSize, s.weight, s.italic, s.underline, s.strikeOut};
}

FontMetrics LayoutBuilder::MetricsOf(const TextStyle& s) {
    return device_.Metrics(Font(s));
}

void LayoutBuilder::ApplyRule(std::string_view selector) {
    if (const std::string* list = sheet_.Find(selector)) {
        measuring_ = &style_;
        properties_.ApplyList(*list, style_);
        measuring_ = nullptr;
    }
}

BuiltText LayoutBuilder::Build(std::u16string_view text) {
    BuiltText out;
    style_ = TextStyle{};
    stack_.clear();
    ApplyRule("body");
    std::vector<FlowCommand> commands;
    flows_.push_back(Flow{&commands});

    Tag body;
    body.name = "body";
    HandleTag(body);

    MarkupTokenizer tokens(text);
    Token token;
    while (tokens.Next(token)) {
        switch (token.kind) {
        case Token::Kind::Text:
            AddText(std::move(token.text));
            break;
        case Token::Kind::Tag:
            if (token.tag.closing)
                HandleClosing(token.tag);
            else
                HandleTag(token.tag);
            break;
        case Token::Kind::LineFeed:
            if (style_.preformatted) LineBreaks(1);
            break;
        case Token::Kind::Tab:
            if (style_.preformatted) AddTabs(1);
            break;
        case Token::Kind::CarriageReturn:
            break;
        }
    }
    while (!tables_.empty()) CloseTable();
    CloseBoxesAbove(0);
    flows_.clear();
    boxDepths_.clear();
    LayoutFlow(device_, commands, options_.maxWidth, FlowMode::Place, out.root);
    out.links = std::move(links_);
    return out;
}

void LayoutBuilder::Push(std::string_view name) {
    if (stack_.size() >= kMaxStyleDepth) {
        ++overflow_;
        return;
    }
    stack_.push_back(style_);
    stack_.back().tagName.assign(name.substr(0, kMaxTagNameLength));
}

void LayoutBuilder::HandleClosing(const Tag& tag) {
    std::string_view name = tag.BareName();
    if (name == "table") {
        if (ignoredTables_ > 0)
            --ignoredTables_;
        else if (!tables_.empty())
            CloseTable();
        return;
    }
    if (name == "td") {
        if (ignoredTables_ == 0 && !tables_.empty()) CloseCell();
        return;
    }
    if (name == "tr") {
        if (ignoredTables_ == 0 && !tables_.empty()) CloseCell();
        return;
    }
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    std::string_view pushed = PushNameOf(name).substr(0, kMaxTagNameLength);
    if (stack_.size() > ClosingFloor() && stack_.back().tagName == pushed) {
        style_ = std::move(stack_.back());
        stack_.pop_back();
        CloseBoxesAbove(stack_.size());
    }
}

// Inside a table a closing tag cannot reach the styles pushed before it (or
// before the open cell): those end with the table or the cell.
std::size_t LayoutBuilder::ClosingFloor() const {
    if (tables_.empty()) return 0;
    const TableState& o = tables_.back();
    return o.cellOpen ? o.cellDepth : o.savedDepth;
}

void LayoutBuilder::OpenBox() {
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
    Command(FlowCommand::Kind::OpenBox).box = box;
    boxDepths_.push_back(stack_.size());
}

void LayoutBuilder::CloseBoxesAbove(std::size_t depth) {
    while (!boxDepths_.empty() && boxDepths_.back() > depth) {
        Command(FlowCommand::Kind::CloseBox);
        boxDepths_.pop_back();
    }
}

void LayoutBuilder::HandleTag(const Tag& tag) {
    const std::string& name = tag.name;
    if (name.empty()) return;
    if (IsUnpushedTag(name)) {
        auto count = [&](int fallback) {
            if (!tag.nameValue) return fallback;
            measuring_ = &style_;
            int n = ParseLength(ToUtf8(*tag.nameValue), fallback, *this);
            measuring_ = nullptr;
            return std::min(n, kMaxRepeat);
        };
        if (name == "br")
            LineBreaks(count(1));
        else if (name == "new_line")
            LineBreaks(1);
        else if (name == "t")
            AddTabs(count(1));
        else if (name == "tab")
            AddTabs(1);
        else if (name == "hr")
            AddRule(tag);
        else if (name == "bmp")
            AddImage(tag, ImageKind::Bitmap);
        else if (name == "icon")
            AddImage(tag, ImageKind::Icon);
        else if (name == "ilst")
            AddImage(tag, ImageKind::ImageList);
        else if (name == "string")
            AddString(tag);
        else if (name == "table")
            OpenTable(tag);
        else if (name == "tr") {
            if (ignoredTables_ == 0 && !tables_.empty()) OpenRow(tag);
        } else if (name == "td") {
            if (ignoredTables_ == 0 && !tables_.empty()) OpenCell(tag);
        }
        return;
    }
    std::string_view pushed = PushNameOf(name);
    Push(pushed);
    if (overflow_ > 0) return;
    // Margins and paddings belong to the tag whose rule sets them.
    style_.margins = style_.paddings = Edges{};
    ApplyTagEffect(tag, name);
    if (!Dropping() && !IsInlineTag(name)) OpenBox();
}

void LayoutBuilder::ApplyTagEffect(const Tag& tag, std::string_view name) {
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
        FontTag(tag);
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
    else if (IsRuleTag(name)) {
        ApplyRule(name);
        if (name == "pre") s.preformatted = true;
    } else if (name == "span") {
        std::string cls = Attr(tag, "class");
        if (!cls.empty()) ApplyRule("." + cls);
    } else if (name == "a") {
        Link link;
        if (const auto* href = tag.Attribute("href")) {
            link = {LinkKind::HyperReference, *href};
        } else if (const auto* msg = tag.Attribute("msg")) {
            link = {LinkKind::Message, *msg};
        }
        s.linkKind = link.kind;
        s.linkIndex = -1;
        if (link.kind != LinkKind::None) {
            s.linkIndex = int(links_.size());
            links_.push_back(std::move(link));
        }
        bool hover = s.linkIndex >= 0 && s.linkIndex == options_.hoverLink;
        ApplyRule(hover ? "a:hover" : "a:link");
    } else {
        ApplyRule(name);
    }
}

void LayoutBuilder::FontTag(const Tag& tag) {
    TextStyle& s = style_;
    measuring_ = &s;
    if (const auto* face = tag.Attribute("face"); face && !face->empty())
        s.fontFace = face->substr(0, kMaxFaceLength);
    if (const auto* size = tag.Attribute("size"))
        s.fontSize = std::clamp(ParseLength(ToUtf8(*size), s.fontSize, *this, LengthForm::FontSize),
                                kMinFontSize, kMaxFontSize);
    if (const auto* colour = tag.Attribute("color"))
        s.textColour = colours_.Parse(ToUtf8(*colour), s.textColour);
    if (const auto* style = tag.Attribute("style")) {
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
    if (const auto* weight = tag.Attribute("weight"))
        s.weight = properties_.Weight(ToUtf8(*weight), s.weight);
    if (const auto* bk = tag.Attribute("bkgnd")) properties_.Background(ToUtf8(*bk), s);
    measuring_ = nullptr;
}

std::string LayoutBuilder::Attr(const Tag& tag, std::string_view name) const {
    const auto* v = tag.Attribute(name);
    return v ? ToUtf8(*v) : std::string();
}

// ---- flow content ----------------------------------------------------------

FlowCommand& LayoutBuilder::Command(FlowCommand::Kind kind) {
    auto& list = *flows_.back().commands;
    list.emplace_back();
    list.back().kind = kind;
    list.back().group = style_.hAlign;
    return list.back();
}

LayoutItem LayoutBuilder::LookOf(const TextStyle& s) const {
    LayoutItem item;
    item.kind = LayoutItem::Kind::Text;
    item.font = Font(s);
    item.colour = s.textColour;
    item.overline = s.overline;
    item.filled = s.backgroundMode == BackgroundMode::Filled;
    item.background = s.backgroundColour;
    item.link = s.linkIndex;
    item.vAlign = s.vAlign;
    return item;
}

void LayoutBuilder::LineBreaks(int count) {
    if (Dropping() || count <= 0) return;
    FlowCommand& c = Command(FlowCommand::Kind::Breaks);
    c.count = count;
    c.height = MetricsOf(style_).height;
}

void LayoutBuilder::AddTabs(int count) {
    if (count <= 0 || Dropping()) return;
    FontMetrics m = MetricsOf(style_);
    FlowCommand& c = Command(FlowCommand::Kind::Tabs);
    c.item = LookOf(style_); // an empty run: only space
    c.item.overline = false;
    c.count = count;
    c.width = std::max(1, ClampExtent(4 * std::int64_t(m.averageWidth)));
    c.height = m.height;
    c.ascent = m.ascent;
}

void LayoutBuilder::AddText(std::u16string text) {
    if (text.empty() || Dropping()) return;
    ApplyTransform(text, style_.transform);
    FlowCommand& c = Command(FlowCommand::Kind::Text);
    c.item = LookOf(style_);
    FontMetrics m = device_.Metrics(c.item.font);
    c.text = std::move(text);
    c.height = m.height;
    c.ascent = m.ascent;
    c.preformatted = style_.preformatted;
}

void LayoutBuilder::AddRule(const Tag& tag) {
    if (Dropping()) return;
    TextStyle s = style_;
    measuring_ = &s;
    if (const std::string* list = sheet_.Find("hr")) properties_.ApplyList(*list, s);
    Line line;
    line.isRule = true;
    line.ruleAlign = s.hAlign == HAlign::Left ? HAlign::Centre : s.hAlign;
    std::string width = Attr(tag, "width");
    width = std::string(TrimBlanks(width));
    if (!width.empty() && width.back() == '%') {
        line.rulePercent = int(std::min<std::uint64_t>(ParseUnsigned(width, 1000), 100));
    } else if (!width.empty()) {
        line.rulePixels = ParseLength(width, 0, *this);
    }
    int thickness = s.borderWidth;
    if (tag.Attribute("size")) thickness = properties_.BorderWidth(Attr(tag, "size"), thickness);
    line.ruleThickness = std::clamp(thickness, 1, 1000);
    line.height = line.ruleThickness + 8;
    LayoutItem rule;
    rule.kind = LayoutItem::Kind::Rule;
    rule.colour = s.textColour;
    if (tag.Attribute("color")) rule.colour = colours_.Parse(Attr(tag, "color"), rule.colour);
    measuring_ = nullptr;
    line.items.push_back(std::move(rule));
    line.groups.push_back(HAlign::Left);
    if (line.rulePixels >= 0) line.groupWidth[0] = line.rulePixels;
    Command(FlowCommand::Kind::Rule).rule = std::move(line);
}

void LayoutBuilder::AddImage(const Tag& tag, ImageKind kind) {
    if (Dropping()) return;
    ImageSource src;
    src.kind = kind;
    auto number = [&](std::string_view name) {
        return std::uint32_t(ParseUnsigned(TrimBlanks(Attr(tag, name)), 0xFFFFFFFFull));
    };
    if (tag.Attribute("idres")) {
        src.module = options_.resourceModule;
        src.resourceId = number("idres");
    }
    if (tag.Attribute("iddll") && tag.Attribute("srcdll")) {
        src.module = nullptr;
        src.resourceId = number("iddll");
        src.moduleFile = *tag.Attribute("srcdll");
    }
    if (tag.Attribute("handle"))
        src.handle = std::uintptr_t(ParseUnsigned(TrimBlanks(Attr(tag, "handle")), ~0ull));
    if (const auto* file = tag.Attribute("file")) src.file = *file;
    if (tag.Attribute("mask")) src.mask = colours_.Parse(Attr(tag, "mask"), 0xFF00FF);
    src.index = int(std::min<std::uint32_t>(number("index"), 1u << 20));
    src.cellWidth = int(std::min<std::uint32_t>(number("cx"), kMaxImageSide));
    src.cellHeight = int(std::min<std::uint32_t>(number("cy"), kMaxImageSide));
    src.style = int(number("style"));
    src.hotStyle = tag.Attribute("hotstyle") ? int(number("hotstyle")) : src.style;
    auto natural = device_.ImageSize(src);
    if (!natural) return;
    measuring_ = &style_;
    int w = std::min(ParseLength(Attr(tag, "width"), natural->width, *this), kMaxImageSide);
    int h = std::min(ParseLength(Attr(tag, "height"), natural->height, *this), kMaxImageSide);
    measuring_ = nullptr;
    FlowCommand& c = Command(FlowCommand::Kind::Image);
    c.item.kind = LayoutItem::Kind::Image;
    c.item.image = std::move(src);
    c.item.hasImage = true;
    c.item.link = style_.linkIndex;
    c.item.vAlign = style_.vAlign;
    c.width = w;
    c.height = h;
}

void LayoutBuilder::AddString(const Tag& tag) {
    StringSource src;
    if (tag.Attribute("idres")) {
        src.module = options_.resourceModule;
        src.resourceId = std::uint32_t(ParseUnsigned(TrimBlanks(Attr(tag, "idres")), 0xFFFFFFFFull));
    }
    if (tag.Attribute("iddll") && tag.Attribute("srcdll")) {
        src.module = nullptr;
        src.resourceId = std::uint32_t(ParseUnsigned(TrimBlanks(Attr(tag, "iddll")), 0xFFFFFFFFull));
        src.moduleFile = *tag.Attribute("srcdll");
    }
    if (auto text = device_.LoadStringResource(src)) {
        // A resource string is shown as it stands, never read as markup.
        for (char16_t& c : *text)
            if (c == u'\r' || c == u'\n' || c == u'\t') c = u' ';
        AddText(std::move(*text));
    }
}

} // namespace richtext
