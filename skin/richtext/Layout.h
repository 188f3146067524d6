// The result of laying out a marked-up text: positioned items ready to draw,
// and the links they carry.
#pragma once

#include "richtext/TextDevice.h"
#include "richtext/TextStyle.h"

#include <string>
#include <vector>

namespace richtext {

enum class FillEffect {
    Transparent,
    Solid,
    HGradient,
    VGradient,
    HCGradient,
    VCGradient,
    H3Gradient,
    V3Gradient
};

struct BoxFill {
    FillEffect effect = FillEffect::Transparent;
    Colour colour = 0xFFFFFF, middle = 0xFFFFFF, end = 0xFFFFFF;
};

struct BoxBorder {
    int width = 0;
    BorderStyle style = BorderStyle::Solid;
    Colour light = 0xC0C0C0, dark = 0x808080;
    bool raised = true; // light on the top and left edges
};

struct LayoutItem {
    enum class Kind {
        Text,
        Rule,
        Image,
        Box
    };
    Kind kind = Kind::Text;
    Rect rect;

    // Text
    std::u16string text;
    FontSpec font;
    Colour colour = 0;
    bool overline = false;
    bool filled = false; // background drawn under the run
    Colour background = 0;
    int link = -1; // index into Layout::links
    VAlign vAlign = VAlign::Baseline;

    // Image (also a box's background image)
    ImageSource image;
    bool hasImage = false;

    // Box
    BoxFill fill;
    BoxBorder border;
};

struct Link {
    LinkKind kind = LinkKind::None;
    std::u16string target;
};

struct Layout {
    Size size;
    std::vector<LayoutItem> items;
    std::vector<Link> links;
};

} // namespace richtext
