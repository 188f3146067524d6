#include "richtext/StyleProperties.h"

#include "richtext/TextEncoding.h"

#include <algorithm>

namespace richtext {

namespace {
bool StartsName(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
}

std::string_view Unquote(std::string_view v) {
    v = TrimBlanks(v);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = v.substr(1, v.size() - 2);
    else if (!v.empty() && v.front() == '"')
        v.remove_prefix(1);
    return v;
}
} // namespace

void StyleProperties::ApplyList(std::string_view list, TextStyle& style) const {
    std::size_t i = 0;
    while (i < list.size()) {
        while (i < list.size() && !StartsName(list[i])) ++i;
        std::size_t start = i;
        while (i < list.size() && !IsBlank(list[i]) && list[i] != ':') ++i;
        std::string_view name = list.substr(start, i - start);
        std::size_t colon = list.find(':', i);
        if (name.empty() || colon == std::string_view::npos) return;
        std::size_t end = list.find(';', colon + 1);
        if (end == std::string_view::npos) end = list.size();
        Apply(name, list.substr(colon + 1, end - colon - 1), style);
        i = end + 1;
    }
}

int StyleProperties::Weight(std::string_view value, int current) const {
    std::string v = ToLower(TrimBlanks(value));
    if (v.empty() || v == "normal") return 400;
    if (v == "bold") return 700;
    if (v == "bolder") return 900;
    if (v == "lighter") return 100;
    if (v[0] < '0' || v[0] > '9') return current;
    return int(std::min<std::uint64_t>(ParseUnsigned(v, 1000), 1000));
}

void StyleProperties::Background(std::string_view value, TextStyle& style) const {
    value = TrimBlanks(value);
    if (EqualsNoCase(value, "transparent")) {
        style.backgroundMode = BackgroundMode::Transparent;
        return;
    }
    style.backgroundMode = BackgroundMode::Filled;
    style.backgroundColour = colours_.Parse(value, style.backgroundColour);
}

int StyleProperties::BorderWidth(std::string_view value, int current) const {
    std::string v = ToLower(TrimBlanks(value));
    if (v == "thin") return current * 75 / 100;
    if (v == "medium") return current;
    if (v == "thick") return current * 125 / 100;
    return std::min(ParseLength(v, current, lengths_), 1000);
}

BorderStyle StyleProperties::BorderStyleFrom(std::string_view value, BorderStyle current) const {
    std::string v = ToLower(TrimBlanks(value));
    if (v.empty() || v == "none") return BorderStyle::None;
    if (v == "solid") return BorderStyle::Solid;
    if (v == "dotted") return BorderStyle::Dotted;
    if (v == "dashed") return BorderStyle::Dashed;
    if (v == "double") return BorderStyle::Double;
    return current;
}

bool StyleProperties::Apply(std::string_view rawName, std::string_view rawValue, TextStyle& s) const {
    std::string name = ToLower(TrimBlanks(rawName));
    std::string_view value = Unquote(rawValue);
    std::string word = ToLower(value);
    auto length = [&](int& field) { field = std::min(ParseLength(value, field, lengths_), 10000); };

    if (name == "font-size") {
        s.fontSize = std::clamp(ParseLength(value, s.fontSize, lengths_, LengthForm::FontSize), kMinFontSize,
                                kMaxFontSize);
    } else if (name == "font-family") {
        if (!value.empty()) {
            s.fontFace = ToUtf16(value);
            if (s.fontFace.size() > kMaxFaceLength) s.fontFace.resize(kMaxFaceLength);
        }
    } else if (name == "font-style") {
        if (word.empty() || word == "normal")
            s.italic = false;
        else if (word == "italic" || word == "oblique")
            s.italic = true;
    } else if (name == "font-weight") {
        s.weight = Weight(value, s.weight);
    } else if (name == "text-align") {
        if (word.empty() || word == "left")
            s.hAlign = HAlign::Left;
        else if (word == "center")
            s.hAlign = HAlign::Centre;
        else if (word == "right")
            s.hAlign = HAlign::Right;
    } else if (name == "text-transform") {
        if (word.empty() || word == "none")
            s.transform = Transform::None;
        else if (word == "uppercase")
            s.transform = Transform::Upper;
        else if (word == "lowercase")
            s.transform = Transform::Lower;
        else if (word == "capitalize")
            s.transform = Transform::Capitalise;
    } else if (name == "color") {
        s.textColour = colours_.Parse(value, s.textColour);
    } else if (name == "background-color") {
        Background(value, s);
    } else if (name == "text-decoration") {
        if (TrimBlanks(word).empty()) s.underline = s.strikeOut = s.overline = false;
        std::size_t i = 0;
        while (i < word.size()) {
            while (i < word.size() && (IsBlank(word[i]) || word[i] == ',')) ++i;
            std::size_t start = i;
            while (i < word.size() && !IsBlank(word[i]) && word[i] != ',') ++i;
            std::string_view w = std::string_view(word).substr(start, i - start);
            if (w == "none")
                s.underline = s.strikeOut = s.overline = false;
            else if (w == "underline")
                s.underline = true;
            else if (w == "line-through")
                s.strikeOut = true;
            else if (w == "overline")
                s.overline = true;
        }
    } else if (name == "vertical-align") {
        if (word.empty() || word == "baseline")
            s.vAlign = VAlign::Baseline;
        else if (word == "middle" || word == "vcenter")
            s.vAlign = VAlign::Middle;
        else if (word == "top")
            s.vAlign = VAlign::Top;
        else if (word == "bottom")
            s.vAlign = VAlign::Bottom;
    } else if (name == "border-color") {
        s.borderLight = s.borderDark = colours_.Parse(value, s.borderLight);
    } else if (name == "border-width" || name == "size") {
        s.borderWidth = BorderWidth(value, s.borderWidth);
    } else if (name == "border-style") {
        s.borderStyle = BorderStyleFrom(value, s.borderStyle);
    } else if (name == "margin-left") {
        length(s.margins.left);
    } else if (name == "margin-top") {
        length(s.margins.top);
    } else if (name == "margin-right") {
        length(s.margins.right);
    } else if (name == "margin-bottom") {
        length(s.margins.bottom);
    } else if (name == "padding-left") {
        length(s.paddings.left);
    } else if (name == "padding-top") {
        length(s.paddings.top);
    } else if (name == "padding-right") {
        length(s.paddings.right);
    } else if (name == "padding-bottom") {
        length(s.paddings.bottom);
    } else {
        return false;
    }
    return true;
}

} // namespace richtext
