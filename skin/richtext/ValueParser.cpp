#include "richtext/ValueParser.h"

#include <algorithm>
#include <cctype>

namespace richtext {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

std::uint64_t ParseUnsigned(std::string_view text, std::uint64_t cap) {
    std::uint64_t value = 0;
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    for (char c : text) {
        int d = HexDigit(c);
        if (d < 0 || d >= int(base)) break;
        value = value * base + unsigned(d);
        if (value >= cap) return cap;
    }
    return value;
}

int ParseLength(std::string_view text, int fallback, LengthContext& context, LengthForm form) {
    text = TrimBlanks(text);
    auto clamp = [](std::int64_t v) { return int(std::clamp<std::int64_t>(v, 0, kMaxLength)); };
    if (text.empty()) return fallback;
    if (text.back() == '%') {
        auto n = std::int64_t(ParseUnsigned(text.substr(0, text.size() - 1), kMaxLength));
        return clamp(std::int64_t(fallback) * n / 100);
    }
    if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
    if (text.size() >= 2) {
        std::string unit = ToLower(text.substr(text.size() - 2));
        std::string_view number = text.substr(0, text.size() - 2);
        auto n = std::int64_t(ParseUnsigned(number, kMaxLength));
        if (unit == "px") return clamp(n);
        if (unit == "ex") return clamp(n * context.XHeight());
        if (unit == "em") return clamp(n * context.CharHeight());
        std::int64_t ppi = context.PixelsPerInch();
        if (unit == "in") return clamp(n * ppi);
        if (unit == "cm") return clamp(std::int64_t(double(n * ppi) * 0.39370078740157477));
        if (unit == "mm") return clamp(std::int64_t(double(n * ppi) * 0.03937007874015748));
        if (unit == "pt") return clamp(n * ppi / 72);
        if (unit == "pc") return clamp(n * ppi / 6);
    }
    auto n = std::int64_t(ParseUnsigned(text, kMaxLength));
    if (form == LengthForm::FontSize && n >= 1 && n <= 7) {
        static constexpr int kHtmlSizes[] = {8, 10, 12, 14, 18, 24, 36};
        return kHtmlSizes[n - 1];
    }
    return clamp(n);
}

ColourResolver::ColourResolver(const SystemColourSource& source) {
    auto names = SystemColourNames();
    for (std::size_t i = 0; i < names.size() && i < system_.size(); ++i)
        system_[i] = source.SystemColour(names[i].index);
}

Colour ColourResolver::Parse(std::string_view text, Colour fallback) const {
    text = TrimBlanks(text);
    if (text.empty()) return fallback;
    if (text.front() == '#') {
        if (text.size() != 7) return fallback;
        int v[6];
        for (int i = 0; i < 6; ++i)
            if ((v[i] = HexDigit(text[1 + i])) < 0) return fallback;
        return Rgb(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
    }
    if (text.front() >= '0' && text.front() <= '9')
        // The top byte of a colour value means something else to the platform.
        return Colour(ParseUnsigned(text, 0xFFFFFFFFull)) & 0xFFFFFF;
    if (auto c = FindColourKeyword(text)) return *c;
    auto names = SystemColourNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i].name == text) return system_[i];
    // Names match exactly: "Red" is no colour and keeps the previous one.
    return fallback;
}

} // namespace richtext
