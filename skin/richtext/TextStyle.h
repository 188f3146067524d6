// The look of a piece of text while a marked-up text is read. Every tag that
// changes the look works on a copy pushed on the style stack.
#pragma once

#include <cstdint>
#include <string>

namespace richtext {

using Colour = std::uint32_t; // 0x00BBGGRR

constexpr Colour Rgb(unsigned r, unsigned g, unsigned b) {
    return Colour((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

enum class BackgroundMode : int {
    Transparent = 1,
    Filled = 2
};
enum class HAlign : int {
    Left = 0,
    Centre = 1,
    Right = 2
};
enum class VAlign : int {
    Top = 0,
    Middle = 1,
    Bottom = 2,
    Baseline = 3
};
enum class Transform : int {
    None = 0,
    Upper = 1,
    Lower = 2,
    Capitalise = 3
};
enum class BorderStyle : int {
    None = 0,
    Solid = 1,
    Dashed = 2,
    Dotted = 3,
    Double = 6
};
enum class LinkKind : int {
    None = 0,
    HyperReference = 1,
    Message = 2
};

struct Edges {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Edges&) const = default;
};

// Longest font face kept; the platform's own limit is 31 characters, and a
// bound keeps every copy on the style stack small.
constexpr std::size_t kMaxFaceLength = 31;
// Longest tag name kept on the stack; longer names compare on their prefix.
constexpr std::size_t kMaxTagNameLength = 32;

struct TextStyle {
    std::string tagName;
    std::u16string fontFace = u"Verdana";
    int fontSize = 13; // pixels, the font's cell height
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false, overline = false;
    Colour textColour = 0;
    BackgroundMode backgroundMode = BackgroundMode::Transparent;
    Colour backgroundColour = 0xFFFFFF;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Baseline;
    Transform transform = Transform::None;
    Colour borderLight = 0xC0C0C0, borderDark = 0x808080;
    int borderWidth = 1;
    BorderStyle borderStyle = BorderStyle::None;
    Edges margins, paddings;
    LinkKind linkKind = LinkKind::None;
    int linkIndex = -1;        // index into the layout's link list
    bool preformatted = false; // inside "pre": line feeds and tabs count
};

} // namespace richtext
