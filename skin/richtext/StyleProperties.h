// Applies CSS-like property lists and single properties to a TextStyle.
#pragma once

#include "richtext/TextStyle.h"
#include "richtext/ValueParser.h"

#include <string_view>

namespace richtext {

class StyleProperties {
public:
    StyleProperties(const ColourResolver& colours, LengthContext& lengths)
        : colours_(colours), lengths_(lengths) {}

    // "name: value; name: value" - unknown names are skipped.
    void ApplyList(std::string_view list, TextStyle& style) const;
    // One property; returns false when the name is not a known property.
    bool Apply(std::string_view name, std::string_view value, TextStyle& style) const;

    int Weight(std::string_view value, int current) const;
    void Background(std::string_view value, TextStyle& style) const;
    int BorderWidth(std::string_view value, int current) const;
    BorderStyle BorderStyleFrom(std::string_view value, BorderStyle current) const;
    const ColourResolver& Colours() const { return colours_; }
    LengthContext& Lengths() const { return lengths_; }

private:
    const ColourResolver& colours_;
    LengthContext& lengths_;
};

// Font sizes stay within what a font can be built at.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 400;

} // namespace richtext
