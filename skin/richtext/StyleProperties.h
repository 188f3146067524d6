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
    void applyList(std::string_view list, TextStyle& style) const;
    // One property; returns false when the name is not a known property.
    bool apply(std::string_view name, std::string_view value, TextStyle& style) const;

    int weight(std::string_view value, int current) const;
    void background(std::string_view value, TextStyle& style) const;
    int borderWidth(std::string_view value, int current) const;
    BorderStyle borderStyle(std::string_view value, BorderStyle current) const;
    const ColourResolver& colours() const { return colours_; }
    LengthContext& lengths() const { return lengths_; }

private:
    const ColourResolver& colours_;
    LengthContext& lengths_;
};

// Font sizes stay within what a font can be built at.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 400;

} // namespace richtext
