// Reading of the value texts of properties and attributes: numbers, lengths
// with their units, and colours in every accepted form.
#pragma once

#include "richtext/ColourNames.h"
#include "richtext/TextStyle.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace richtext {

// Every length is clamped to this, so arithmetic on it never overflows.
constexpr std::int64_t kMaxLength = 100000;

// Reads an unsigned decimal number, or hexadecimal after "0x", from the start
// of the text; stops at the first other character and saturates at the cap.
std::uint64_t ParseUnsigned(std::string_view text, std::uint64_t cap);

// The facts a length needs about the device and the current font.
class LengthContext {
public:
    virtual ~LengthContext() = default;
    virtual int PixelsPerInch() = 0;
    virtual int XHeight() = 0;    // height of the letter "x" in the current font
    virtual int CharHeight() = 0; // character height of the current font
};

enum class LengthForm {
    Plain,
    FontSize
};

// A length in pixels; `fallback` is the field's current value.
int ParseLength(std::string_view text, int fallback, LengthContext& context,
                LengthForm form = LengthForm::Plain);

// Resolves colour texts; the system colours are read once, at construction.
class ColourResolver {
public:
    explicit ColourResolver(const SystemColourSource& source);
    Colour Parse(std::string_view text, Colour fallback) const;

private:
    std::array<Colour, 28> system_{};
};

std::string_view TrimBlanks(std::string_view text);
bool IsBlank(char c);
std::string ToLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace richtext
