// The small interface through which the renderer measures and draws: font
// metrics, text, filled rectangles, gradients, images and string resources.
// The GDI implementation is one; tests use deterministic fake metrics.
#pragma once

#include "richtext/TextStyle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace richtext {

struct Point {
    int x = 0, y = 0;
};

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const Rect&) const = default;
};

struct FontSpec {
    std::u16string face;
    int size = 13;
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    bool operator==(const FontSpec&) const = default;
};

struct FontMetrics {
    int height = 0; // cell height
    int ascent = 0;
    int xHeight = 0;
    int averageWidth = 0; // average character width
};

enum class ImageKind {
    Bitmap,
    Icon,
    ImageList
};

// Where an inline image comes from and how one image of it is cut.
struct ImageSource {
    ImageKind kind = ImageKind::Bitmap;
    void* module = nullptr; // resource module for `resourceId`
    std::uint32_t resourceId = 0;
    std::u16string moduleFile; // another module, with `resourceId`
    std::uintptr_t handle = 0; // a bitmap, icon or image list of the caller
    std::u16string file;
    std::optional<Colour> mask; // colour keyed out
    int index = 0;
    int cellWidth = 0, cellHeight = 0; // size of one image; 0 for the whole
    int style = 0, hotStyle = 0;
    bool operator==(const ImageSource&) const = default;
};

struct StringSource {
    void* module = nullptr;
    std::uint32_t resourceId = 0;
    std::u16string moduleFile;
};

enum class GradientDirection {
    Horizontal,
    Vertical
};

class TextDevice {
public:
    virtual ~TextDevice() = default;

    virtual int PixelsPerInch() = 0;
    virtual FontMetrics Metrics(const FontSpec& font) = 0;
    virtual int TextWidth(const FontSpec& font, std::u16string_view text) = 0;
    // How many leading characters of the text fit in `maxWidth` pixels.
    virtual std::size_t FitCharacters(const FontSpec& font, std::u16string_view text, int maxWidth) = 0;

    virtual void DrawTextRun(const FontSpec& font, int x, int y, std::u16string_view text, Colour colour) = 0;
    virtual void FillRect(const Rect& rect, Colour colour) = 0;
    virtual void GradientRect(const Rect& rect, Colour from, Colour to, GradientDirection d) = 0;

    // Size of one image of the source; nothing when it cannot be loaded.
    virtual std::optional<Size> ImageSize(const ImageSource&) { return std::nullopt; }
    virtual void DrawImage(const ImageSource&, const Rect&, bool /*hot*/) {}
    virtual std::optional<std::u16string> LoadStringResource(const StringSource&) { return std::nullopt; }
};

} // namespace richtext
