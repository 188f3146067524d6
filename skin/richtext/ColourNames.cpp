#include "richtext/ColourNames.h"

namespace richtext {
namespace {

constexpr Colour Hex(std::uint32_t rrggbb) {
    return Rgb(rrggbb >> 16, rrggbb >> 8, rrggbb);
}

constexpr NamedColour kKeywords[] = {
    {"aqua", Hex(0x00FFFF)},
    {"black", Hex(0x000000)},
    {"blue", Hex(0x0000FF)},
    {"brown", Hex(0xA52A2A)},
    {"cyan", Hex(0x00FFFF)},
    {"gold", Hex(0xFFD700)},
    {"gray", Hex(0x808080)},
    {"green", Hex(0x008000)},
    {"magenta", Hex(0xFF00FF)},
    {"maroon", Hex(0x800000)},
    {"navy", Hex(0x000080)},
    {"olive", Hex(0x808000)},
    {"orange", Hex(0xFFA500)},
    {"pink", Hex(0xFFC0CB)},
    {"purple", Hex(0x800080)},
    {"red", Hex(0xFF0000)},
    {"silver", Hex(0xC0C0C0)},
    {"snow", Hex(0xFFFAFA)},
    {"violet", Hex(0xEE82EE)},
    {"white", Hex(0xFFFFFF)},
    {"yellow", Hex(0xFFFF00)},
    {"aliceblue", Hex(0xF0F8FF)},
    {"antiquewhite", Hex(0xFAEBD7)},
    {"aquamarine", Hex(0x7FFFD4)},
    {"azure", Hex(0xF0FFFF)},
    {"beige", Hex(0xF5F5DC)},
    {"bisque", Hex(0xFFE4C4)},
    {"blanchedalmond", Hex(0xFFEBCD)},
    {"blueviolet", Hex(0x8A2BE2)},
    {"burlywood", Hex(0xDEB887)},
    {"cadetblue", Hex(0x5F9EA0)},
    {"chartreuse", Hex(0x7FFF00)},
    {"chocolate", Hex(0xD2691E)},
    {"coral", Hex(0xFF7F50)},
    {"cornflowerblue", Hex(0x6495ED)},
    {"cornsilk", Hex(0xFFF8DC)},
    {"crimson", Hex(0xDC143C)},
    {"darkblue", Hex(0x00008B)},
    {"darkcyan", Hex(0x008B8B)},
    {"darkgoldenrod", Hex(0xB8860B)},
    {"darkgray", Hex(0xA9A9A9)},
    {"darkgreen", Hex(0x006400)},
    {"darkkhaki", Hex(0xBDB76B)},
    {"darkmagenta", Hex(0x8B008B)},
    {"darkolivegreen", Hex(0x556B2F)},
    {"darkorange", Hex(0xFF8C00)},
    {"darkorchid", Hex(0x9932CC)},
    {"darkred", Hex(0x8B0000)},
    {"darksalmon", Hex(0xE9967A)},
    {"darkseagreen", Hex(0x8FBC8F)},
    {"darkslateblue", Hex(0x483D8B)},
    {"darkslategray", Hex(0x2F4F4F)},
    {"darkturquoise", Hex(0x00CED1)},
    {"darkviolet", Hex(0x9400D3)},
    {"deeppink", Hex(0xFF1493)},
    {"deepskyblue", Hex(0x00BFFF)},
    {"dimgray", Hex(0x696969)},
    {"dodgerblue", Hex(0x1E90FF)},
    {"firebrick", Hex(0xB22222)},
    {"floralwhite", Hex(0xFFFAF0)},
    {"forestgreen", Hex(0x228B22)},
    {"fuchsia", Hex(0xFF00FF)},
    {"gainsboro", Hex(0xDCDCDC)},
    {"ghostwhite", Hex(0xF8F8FF)},
    {"goldenrod", Hex(0xDAA520)},
    {"greenyellow", Hex(0xADFF2F)},
    {"honeydew", Hex(0xF0FFF0)},
    {"hotpink", Hex(0xFF69B4)},
    {"indianred", Hex(0xCD5C5C)},
    {"indigo", Hex(0x4B0082)},
    {"ivory", Hex(0xFFFFF0)},
    {"khaki", Hex(0xF0E68C)},
    {"lavender", Hex(0xE6E6FA)},
    {"lavenderblush", Hex(0xFFF0F5)},
    {"lawngreen", Hex(0x7CFC00)},
    {"lemonchiffon", Hex(0xFFFACD)},
    {"lightblue", Hex(0xADD8E6)},
    {"lightcoral", Hex(0xF08080)},
    {"lightcyan", Hex(0xE0FFFF)},
    {"lightgoldenrodyellow", Hex(0xFAFAD2)},
    {"lightgreen", Hex(0x90EE90)},
    {"lightgrey", Hex(0xD3D3D3)},
    {"lightgray", Hex(0xD3D3D3)},
    {"lightpink", Hex(0xFFB6C1)},
    {"lightsalmon", Hex(0xFFA07A)},
    {"lightseagreen", Hex(0x20B2AA)},
    {"lightskyblue", Hex(0x87CEFA)},
    {"lightslategray", Hex(0x778899)},
    {"lightsteelblue", Hex(0xB0C4DE)},
    {"lightyellow", Hex(0xFFFFE0)},
    {"lime", Hex(0x00FF00)},
    {"limegreen", Hex(0x32CD32)},
    {"linen", Hex(0xFAF0E6)},
    {"mediumaquamarine", Hex(0x66CDAA)},
    {"mediumblue", Hex(0x0000CD)},
    {"mediumorchid", Hex(0xBA55D3)},
    {"mediumpurple", Hex(0x9370DB)},
    {"mediumseagreen", Hex(0x3CB371)},
    {"mediumslateblue", Hex(0x7B68EE)},
    {"mediumspringgreen", Hex(0x00FA9A)},
    {"mediumturquoise", Hex(0x48D1CC)},
    {"mediumvioletred", Hex(0xC71585)},
    {"midnightblue", Hex(0x191970)},
    {"mintcream", Hex(0xF5FFFA)},
    {"mistyrose", Hex(0xFFE4E1)},
    {"moccasin", Hex(0xFFE4B5)},
    {"navajowhite", Hex(0xFFDEAD)},
    {"oldlace", Hex(0xFDF5E6)},
    {"olivedrab", Hex(0x6B8E23)},
    {"orangered", Hex(0xFF4500)},
    {"orchid", Hex(0xDA70D6)},
    {"palegoldenrod", Hex(0xEEE8AA)},
    {"palegreen", Hex(0x98FB98)},
    {"paleturquoise", Hex(0xAFEEEE)},
    {"palevioletred", Hex(0xDB7093)},
    {"papayawhip", Hex(0xFFEFD5)},
    {"peachpuff", Hex(0xFFDAB9)},
    {"peru", Hex(0xCD853F)},
    {"plum", Hex(0xDDA0DD)},
    {"powderblue", Hex(0xB0E0E6)},
    {"rosybrown", Hex(0xBC8F8F)},
    {"royalblue", Hex(0x4169E1)},
    {"saddlebrown", Hex(0x8B4513)},
    {"salmon", Hex(0xFA8072)},
    {"sandybrown", Hex(0xF4A460)},
    {"seagreen", Hex(0x2E8B57)},
    {"seashell", Hex(0xFFF5EE)},
    {"sienna", Hex(0xA0522D)},
    {"skyblue", Hex(0x87CEEB)},
    {"slateblue", Hex(0x6A5ACD)},
    {"slategray", Hex(0x708090)},
    {"springgreen", Hex(0x00FF7F)},
    {"steelblue", Hex(0x4682B4)},
    {"tan", Hex(0xD2B48C)},
    {"teal", Hex(0x008080)},
    {"thistle", Hex(0xD8BFD8)},
    {"tomato", Hex(0xFF6347)},
    {"turquoise", Hex(0x40E0D0)},
    {"wheat", Hex(0xF5DEB3)},
    {"whitesmoke", Hex(0xF5F5F5)},
    {"yellowgreen", Hex(0x9ACD32)},
};

// Indices are the platform's COLOR_* numbers.
constexpr SystemColourName kSystemNames[] = {
    {"activeborder", 10},   {"activecaption", 2},    {"appworkspace", 12},
    {"background", 1},      {"buttonface", 15},      {"buttonhighlight", 20},
    {"buttonshadow", 16},   {"buttontext", 18},      {"captiontext", 9},
    {"graytext", 17},       {"highlight", 13},       {"highlighttext", 14},
    {"inactiveborder", 11}, {"inactivecaption", 3},  {"inactivecaptiontext", 19},
    {"infobackground", 24}, {"infotext", 23},        {"menu", 4},
    {"menutext", 7},        {"scrollbar", 0},        {"threeddarkshadow", 21},
    {"threedface", 15},     {"threedhighlight", 20}, {"threedlightshadow", 22},
    {"threedshadow", 16},   {"window", 5},           {"windowframe", 6},
    {"windowtext", 8},
};

} // namespace

std::span<const NamedColour> ColourKeywords() {
    return kKeywords;
}
std::span<const SystemColourName> SystemColourNames() {
    return kSystemNames;
}

std::optional<Colour> FindColourKeyword(std::string_view name) {
    for (const auto& k : kKeywords)
        if (k.name == name) return k.value;
    return std::nullopt;
}

Colour ClassicSystemColours::SystemColour(int index) const {
    static constexpr Colour kClassic[] = {
        Hex(0xD4D0C8), Hex(0x3A6EA5), Hex(0x0A246A), Hex(0x808080), Hex(0xD4D0C8),
        Hex(0xFFFFFF), Hex(0x000000), Hex(0x000000), Hex(0x000000), Hex(0xFFFFFF),
        Hex(0xD4D0C8), Hex(0xD4D0C8), Hex(0x808080), Hex(0x0A246A), Hex(0xFFFFFF),
        Hex(0xD4D0C8), Hex(0x808080), Hex(0x808080), Hex(0x000000), Hex(0xD4D0C8),
        Hex(0xFFFFFF), Hex(0x404040), Hex(0xD4D0C8), Hex(0x000000), Hex(0xFFFFE1),
    };
    if (index < 0 || index >= int(std::size(kClassic))) return 0;
    return kClassic[index];
}

} // namespace richtext
