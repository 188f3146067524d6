// Colour keywords and the names of the platform's system colours.
#pragma once

#include "richtext/TextStyle.h"

#include <optional>
#include <span>
#include <string_view>

namespace richtext {

struct NamedColour {
    std::string_view name;
    Colour value;
};

struct SystemColourName {
    std::string_view name;
    int index; // the platform's system colour index
};

std::span<const NamedColour> ColourKeywords();
std::span<const SystemColourName> SystemColourNames();

std::optional<Colour> FindColourKeyword(std::string_view name);

// Supplies the current value of a system colour by its platform index.
class SystemColourSource {
public:
    virtual ~SystemColourSource() = default;
    virtual Colour SystemColour(int index) const = 0;
};

// The classic desktop scheme, for hosts without a window system.
class ClassicSystemColours : public SystemColourSource {
public:
    Colour SystemColour(int index) const override;
};

} // namespace richtext
