// Deterministic metrics for layout tests: every character of a font is half
// its size wide (one more when bold), the cell height is the size and the
// ascent four fifths of it. Drawing calls are recorded.
#pragma once

#include "richtext/TextDevice.h"

#include <string>
#include <vector>

namespace richtext::testing {

struct DrawCall {
    enum class Kind {
        Text,
        Fill,
        Gradient,
        Image
    } kind;
    Rect rect;
    std::u16string text;
    FontSpec font;
    Colour colour = 0, colour2 = 0;
    bool hot = false;
};

class FakeTextDevice : public TextDevice {
public:
    int ppi = 96;
    std::vector<DrawCall> calls;

    static int CharWidth(const FontSpec& f) { return std::max(1, f.size / 2) + (f.weight >= 700 ? 1 : 0); }

    int PixelsPerInch() override { return ppi; }
    FontMetrics Metrics(const FontSpec& f) override {
        return {f.size, f.size * 4 / 5, f.size / 2, std::max(1, f.size / 2)};
    }
    int TextWidth(const FontSpec& f, std::u16string_view t) override { return int(t.size()) * CharWidth(f); }
    std::size_t FitCharacters(const FontSpec& f, std::u16string_view t, int maxWidth) override {
        return std::min(t.size(), std::size_t(std::max(0, maxWidth) / CharWidth(f)));
    }
    void DrawTextRun(const FontSpec& f, int x, int y, std::u16string_view t, Colour c) override {
        calls.push_back({DrawCall::Kind::Text,
                         {x, y, x + TextWidth(f, t), y + f.size},
                         std::u16string(t),
                         f,
                         c,
                         0,
                         false});
    }
    void FillRect(const Rect& r, Colour c) override {
        calls.push_back({DrawCall::Kind::Fill, r, {}, {}, c, 0, false});
    }
    void GradientRect(const Rect& r, Colour a, Colour b, GradientDirection) override {
        calls.push_back({DrawCall::Kind::Gradient, r, {}, {}, a, b, false});
    }
    std::optional<Size> ImageSize(const ImageSource& s) override {
        if (s.handle == 0 && s.resourceId == 0) return std::nullopt;
        return Size{s.cellWidth ? s.cellWidth : 16, s.cellHeight ? s.cellHeight : 16};
    }
    void DrawImage(const ImageSource&, const Rect& r, bool hot) override {
        DrawCall c{DrawCall::Kind::Image, r, {}, {}, 0, 0, false};
        c.hot = hot;
        calls.push_back(c);
    }
    std::optional<std::u16string> LoadStringResource(const StringSource& s) override {
        if (s.resourceId == 7) return u"Seven";
        return std::nullopt;
    }
};

} // namespace richtext::testing
