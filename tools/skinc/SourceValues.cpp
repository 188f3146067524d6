#include "SourceValues.h"

#include "ImageRef.h"
#include "NineGridImage.h"
#include "SkinFont.h"
#include "TextEffect.h"

#include <cstdio>
#include <cstring>

bool TokenCursor::Fail(const std::string& what, std::string& error) const {
    error = "line " + std::to_string(Peek().line) + ": " + what;
    return false;
}

bool TokenCursor::Symbol(char c, std::string& error) {
    if (!IsSymbol(c)) return Fail(std::string("expected '") + c + "'", error);
    Next();
    return true;
}

bool TokenCursor::Integer(int64_t& v, std::string& error) {
    if (Peek().kind != SourceToken::Number) return Fail("expected a number", error);
    v = Next().number;
    return true;
}

bool TokenCursor::Text(std::string& v, std::string& error) {
    if (Peek().kind != SourceToken::String) return Fail("expected a quoted text", error);
    v = Next().text;
    return true;
}

namespace {
std::string Hex32(uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", v);
    return buf;
}

std::string FieldText(const char* text, size_t size) {
    return QuoteSourceText(std::string(text, strnlen(text, size)));
}

bool AllZero(const void* p, size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    for (size_t i = 0; i < n; ++i)
        if (b[i]) return false;
    return true;
}

// Reads "(a, b, ...)" with `count` integers after an optional leading text.
bool Arguments(TokenCursor& in, std::string* text, std::vector<int64_t>& values, size_t minCount,
               size_t maxCount, std::string& error) {
    if (!in.Symbol('(', error)) return false;
    if (text) {
        if (!in.Text(*text, error)) return false;
        if (!in.IsSymbol(')') && !in.Symbol(',', error)) return false;
    }
    while (!in.IsSymbol(')')) {
        int64_t v = 0;
        if (!in.Integer(v, error)) return false;
        values.push_back(v);
        if (!in.IsSymbol(')') && !in.Symbol(',', error)) return false;
    }
    in.Next();
    if (values.size() < minCount || values.size() > maxCount) return in.Fail("wrong number of values", error);
    return true;
}

bool Call(TokenCursor& in, const char* name, std::string& error) {
    if (!in.IsWord(name)) return in.Fail(std::string("expected ") + name + "(...)", error);
    in.Next();
    return true;
}

void SetName(char* field, size_t size, const std::string& text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}
} // namespace

std::string HexBytes(const uint8_t* bytes, size_t n) {
    std::string out = "bytes(\"";
    char buf[4];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "%02x", bytes[i]);
        out += buf;
    }
    return out + "\")";
}

bool ParseBytes(TokenCursor& in, std::vector<uint8_t>& out, std::string& error) {
    if (!Call(in, "bytes", error) || !in.Symbol('(', error)) return false;
    std::string hex;
    if (!in.Text(hex, error) || !in.Symbol(')', error)) return false;
    if (hex.size() % 2 != 0) return in.Fail("odd number of hexadecimal digits", error);
    out.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        unsigned v = 0;
        if (std::sscanf(hex.substr(i, 2).c_str(), "%2x", &v) != 1)
            return in.Fail("bad hexadecimal bytes", error);
        out.push_back(static_cast<uint8_t>(v));
    }
    return true;
}

std::string FormatValue(const PropertyEntry& e) {
    switch (e.type) {
    case PropFont: {
        const auto& f = *static_cast<const SkinFont*>(e.value);
        char buf[256];
        std::snprintf(buf, sizeof buf, "font(%s, %d, %d, %d, %d, %d, %u, %u, %u, %u, %u, %u, %u, %u, %s)",
                      FieldText(f.faceName, sizeof f.faceName).c_str(), f.height, f.width, f.escapement,
                      f.orientation, f.weight, f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision,
                      f.clipPrecision, f.quality, f.pitchAndFamily, Hex32(f.color).c_str());
        return buf;
    }
    case PropString:
        return FieldText(static_cast<const char*>(e.value), static_cast<size_t>(e.size));
    case PropColor:
        return Hex32(*static_cast<const uint32_t*>(e.value));
    case PropImageRef: {
        const auto& r = *static_cast<const ImageRef*>(e.value);
        if (AllZero(&r, sizeof r)) return "none";
        char buf[160];
        std::snprintf(buf, sizeof buf, "image(%s, %d, %d, %d, %d, %d)",
                      FieldText(r.name, sizeof r.name).c_str(), r.source.left, r.source.top, r.source.right,
                      r.source.bottom, r.drawMode);
        return buf;
    }
    case PropNineGrid: {
        const auto& g = *static_cast<const NineGridImage*>(e.value);
        if (AllZero(&g, sizeof g)) return "none";
        char buf[200];
        std::snprintf(buf, sizeof buf, "grid(%s, %d, %d, %d, %d, %d, %d, %d, %d, %d)",
                      FieldText(g.name, sizeof g.name).c_str(), g.source.left, g.source.top, g.source.right,
                      g.source.bottom, g.marginLeft, g.marginTop, g.marginRight, g.marginBottom,
                      g.stretchMode);
        return buf;
    }
    case PropInt:
    case PropControlId:
        return std::to_string(*static_cast<const uint32_t*>(e.value));
    case PropTextEffect: {
        const auto& t = *static_cast<const TextEffect*>(e.value);
        const uint32_t text = t.TextColor() | uint32_t(t.textExtra) << 24;
        const uint32_t shadow = t.ShadowColor() | uint32_t(t.shadowExtra) << 24;
        std::string out = "effect(" + std::to_string(t.shadowX) + ", " + std::to_string(t.shadowY) + ", " +
                          Hex32(text) + ", " + Hex32(shadow) + ", " + Hex32(t.flags);
        if (t.reserved[0] || t.reserved[1]) out += ", " + std::to_string(t.reserved[0] | t.reserved[1] << 8);
        return out + ")";
    }
    case PropRect: {
        const auto& r = *static_cast<const SkinRect*>(e.value);
        char buf[96];
        std::snprintf(buf, sizeof buf, "rect(%d, %d, %d, %d)", r.left, r.top, r.right, r.bottom);
        return buf;
    }
    case PropBytes:
        return HexBytes(static_cast<const uint8_t*>(e.value), static_cast<size_t>(e.size));
    case PropLongText:
        return QuoteSourceText(*static_cast<const std::string*>(e.value));
    default:
        return HexBytes(static_cast<const uint8_t*>(e.value), static_cast<size_t>(e.size));
    }
}

bool ParseValue(TokenCursor& in, const PropertyEntry& e, std::string& error) {
    std::vector<int64_t> v;
    std::string text;
    switch (e.type) {
    case PropFont: {
        if (!Call(in, "font", error) || !Arguments(in, &text, v, 3, 14, error)) return false;
        SkinFont f = SkinFont::Default("");
        SetName(f.faceName, sizeof f.faceName, text);
        if (v.size() == 3) { // short form: height, weight, colour
            f.height = int32_t(v[0]);
            f.weight = int32_t(v[1]);
            f.color = uint32_t(v[2]);
        } else if (v.size() == 14) {
            int32_t* ints[] = {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight};
            for (int i = 0; i < 5; ++i) *ints[i] = int32_t(v[i]);
            uint8_t* bytes[] = {&f.italic,       &f.underline,     &f.strikeOut, &f.charSet,
                                &f.outPrecision, &f.clipPrecision, &f.quality,   &f.pitchAndFamily};
            for (int i = 0; i < 8; ++i) *bytes[i] = uint8_t(v[5 + i]);
            f.color = uint32_t(v[13]);
        } else {
            return in.Fail("font takes 3 or 14 numbers after the face", error);
        }
        *static_cast<SkinFont*>(e.value) = f;
        return true;
    }
    case PropString:
        if (!in.Text(text, error)) return false;
        if (text.size() >= static_cast<size_t>(e.size))
            return in.Fail("text longer than " + std::to_string(e.size - 1) + " bytes", error);
        SetName(static_cast<char*>(e.value), static_cast<size_t>(e.size), text);
        return true;
    case PropColor:
    case PropInt:
    case PropControlId: {
        int64_t n = 0;
        if (!in.Integer(n, error)) return false;
        *static_cast<uint32_t*>(e.value) = static_cast<uint32_t>(n);
        return true;
    }
    case PropImageRef: {
        ImageRef r{};
        if (in.IsWord("none")) {
            in.Next();
        } else {
            if (!Call(in, "image", error) || !Arguments(in, &text, v, 5, 5, error)) return false;
            if (text.size() > 50) return in.Fail("image name longer than 50 bytes", error);
            SetName(r.name, sizeof r.name, text);
            r.source = SkinRect{int32_t(v[0]), int32_t(v[1]), int32_t(v[2]), int32_t(v[3])};
            r.drawMode = int32_t(v[4]);
        }
        *static_cast<ImageRef*>(e.value) = r;
        return true;
    }
    case PropNineGrid: {
        NineGridImage g{};
        if (in.IsWord("none")) {
            in.Next();
        } else {
            if (!Call(in, "grid", error) || !Arguments(in, &text, v, 9, 9, error)) return false;
            if (text.size() > 50) return in.Fail("image name longer than 50 bytes", error);
            SetName(g.name, sizeof g.name, text);
            g.source = SkinRect{int32_t(v[0]), int32_t(v[1]), int32_t(v[2]), int32_t(v[3])};
            g.marginLeft = int32_t(v[4]);
            g.marginTop = int32_t(v[5]);
            g.marginRight = int32_t(v[6]);
            g.marginBottom = int32_t(v[7]);
            g.stretchMode = int32_t(v[8]);
        }
        *static_cast<NineGridImage*>(e.value) = g;
        return true;
    }
    case PropTextEffect: {
        if (!Call(in, "effect", error) || !Arguments(in, nullptr, v, 5, 6, error)) return false;
        TextEffect t;
        t.shadowX = int8_t(v[0]);
        t.shadowY = int8_t(v[1]);
        t.SetTextColor(uint32_t(v[2]));
        t.textExtra = uint8_t(uint32_t(v[2]) >> 24);
        t.SetShadowColor(uint32_t(v[3]));
        t.shadowExtra = uint8_t(uint32_t(v[3]) >> 24);
        t.flags = uint32_t(v[4]);
        if (v.size() == 6) {
            t.reserved[0] = uint8_t(v[5]);
            t.reserved[1] = uint8_t(v[5] >> 8);
        }
        *static_cast<TextEffect*>(e.value) = t;
        return true;
    }
    case PropRect: {
        if (!Call(in, "rect", error) || !Arguments(in, nullptr, v, 4, 4, error)) return false;
        *static_cast<SkinRect*>(e.value) =
            SkinRect{int32_t(v[0]), int32_t(v[1]), int32_t(v[2]), int32_t(v[3])};
        return true;
    }
    case PropLongText:
        if (!in.Text(text, error)) return false;
        *static_cast<std::string*>(e.value) = text;
        return true;
    default: {
        std::vector<uint8_t> bytes;
        if (!ParseBytes(in, bytes, error)) return false;
        if (bytes.size() != static_cast<size_t>(e.size))
            return in.Fail("expected " + std::to_string(e.size) + " bytes", error);
        std::memcpy(e.value, bytes.data(), bytes.size());
        return true;
    }
    }
}
