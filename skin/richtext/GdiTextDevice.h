// TextDevice over a GDI device context. Fonts, metrics and the images and
// modules it loads are kept for the device's lifetime and released with it;
// bitmaps, icons and image lists passed by handle stay the caller's.
#pragma once

#include "richtext/TextDevice.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

namespace richtext {

class GdiTextDevice : public TextDevice {
public:
    explicit GdiTextDevice(HDC dc);
    ~GdiTextDevice() override;
    GdiTextDevice(const GdiTextDevice&) = delete;
    GdiTextDevice& operator=(const GdiTextDevice&) = delete;

    int PixelsPerInch() override;
    FontMetrics Metrics(const FontSpec& font) override;
    int TextWidth(const FontSpec& font, std::u16string_view text) override;
    std::size_t FitCharacters(const FontSpec& font, std::u16string_view text, int maxWidth) override;
    void DrawTextRun(const FontSpec& font, int x, int y, std::u16string_view text, Colour colour) override;
    void FillRect(const Rect& rect, Colour colour) override;
    void GradientRect(const Rect& rect, Colour from, Colour to, GradientDirection d) override;
    std::optional<Size> ImageSize(const ImageSource& source) override;
    void DrawImage(const ImageSource& source, const Rect& rect, bool hot) override;
    std::optional<std::u16string> LoadStringResource(const StringSource& source) override;

    // Images held at the moment; bounded however many a text names.
    std::size_t CachedImages() const { return images_.size(); }

private:
    struct FontEntry {
        FontSpec style;
        HFONT font = nullptr;
        FontMetrics metrics;
    };
    struct ImageEntry {
        ImageSource key;
        HGDIOBJ bitmap = nullptr; // HBITMAP
        HICON icon = nullptr;
        HIMAGELIST list = nullptr;
        bool owned = false;
    };
    FontEntry& Select(const FontSpec& style);
    ImageEntry* Load(const ImageSource& source);
    void ReleaseImages();
    HMODULE ModuleFor(void* module, const std::u16string& file);

    HDC dc_;
    HGDIOBJ originalFont_ = nullptr;
    int originalBkMode_ = 0;
    std::vector<FontEntry> fonts_;
    std::size_t current_ = SIZE_MAX;
    std::vector<ImageEntry> images_;
    std::vector<std::pair<std::u16string, HMODULE>> modules_;
};

} // namespace richtext
