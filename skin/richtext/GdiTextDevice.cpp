#include "richtext/GdiTextDevice.h"

#include <algorithm>
#include <climits>

namespace richtext {

namespace {

const wchar_t* Wide(std::u16string_view s) {
    return reinterpret_cast<const wchar_t*>(s.data());
}

// GDI handles strings in moderate pieces; longer runs are measured and drawn
// piece by piece.
constexpr std::size_t kChunk = 4096;

// A handful of fonts, images and modules per text is usual. The caches are
// searched linearly, so a pathological text with thousands of them gets a
// fresh cache each time one fills instead of an unbounded one that makes
// every lookup slower.
constexpr std::size_t kCacheLimit = 64;

// Bitmaps and icons are checked by the system; an image-list handle is a
// pointer, so at least make sure it points at readable memory of ours.
bool Readable(const void* p) {
    MEMORY_BASIC_INFORMATION mbi{};
    if (!p || VirtualQuery(p, &mbi, sizeof mbi) != sizeof mbi || mbi.State != MEM_COMMIT) return false;
    const DWORD ok = PAGE_READONLY | PAGE_READWRITE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                     PAGE_WRITECOPY | PAGE_EXECUTE_WRITECOPY;
    return (mbi.Protect & ok) && !(mbi.Protect & PAGE_GUARD) &&
           static_cast<const char*>(p) + 64 <= static_cast<const char*>(mbi.BaseAddress) + mbi.RegionSize;
}

} // namespace

GdiTextDevice::GdiTextDevice(HDC dc) : dc_(dc) {
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
    originalBkMode_ = SetBkMode(dc_, TRANSPARENT);
}

GdiTextDevice::~GdiTextDevice() {
    SelectObject(dc_, originalFont_);
    SetBkMode(dc_, originalBkMode_);
    for (auto& f : fonts_) DeleteObject(f.font);
    ReleaseImages();
    for (auto& m : modules_)
        if (m.second) FreeLibrary(m.second);
}

void GdiTextDevice::ReleaseImages() {
    for (auto& i : images_) {
        if (!i.owned) continue;
        if (i.bitmap) DeleteObject(i.bitmap);
        if (i.icon) DestroyIcon(i.icon);
        if (i.list) ImageList_Destroy(i.list);
    }
    images_.clear();
}

int GdiTextDevice::PixelsPerInch() {
    return GetDeviceCaps(dc_, LOGPIXELSY);
}

GdiTextDevice::FontEntry& GdiTextDevice::Select(const FontSpec& style) {
    if (current_ < fonts_.size() && fonts_[current_].style == style) return fonts_[current_];
    auto it =
        std::find_if(fonts_.begin(), fonts_.end(), [&](const FontEntry& e) { return e.style == style; });
    if (it == fonts_.end()) {
        if (fonts_.size() >= kCacheLimit) {
            SelectObject(dc_, originalFont_);
            for (auto& f : fonts_) DeleteObject(f.font);
            fonts_.clear();
        }
        LOGFONTW lf{};
        lf.lfHeight = -std::max(1, style.size);
        lf.lfWeight = std::clamp(style.weight, 0, 1000);
        lf.lfItalic = style.italic;
        lf.lfUnderline = style.underline;
        lf.lfStrikeOut = style.strikeOut;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        std::size_t n = std::min<std::size_t>(style.face.size(), LF_FACESIZE - 1);
        std::copy_n(style.face.data(), n, reinterpret_cast<char16_t*>(lf.lfFaceName));
        FontEntry e;
        e.style = style;
        e.font = CreateFontIndirectW(&lf);
        if (!e.font) e.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        SelectObject(dc_, e.font);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_, &tm);
        e.metrics.height = tm.tmHeight;
        e.metrics.ascent = tm.tmAscent;
        e.metrics.averageWidth = tm.tmAveCharWidth;
        GLYPHMETRICS gm{};
        MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        DWORD r = GetGlyphOutlineW(dc_, L'x', GGO_METRICS, &gm, 0, nullptr, &identity);
        e.metrics.xHeight = (r != GDI_ERROR && gm.gmBlackBoxY > 0) ? int(gm.gmBlackBoxY) : tm.tmAscent / 2;
        fonts_.push_back(e);
        it = fonts_.end() - 1;
    }
    current_ = std::size_t(it - fonts_.begin());
    SelectObject(dc_, it->font);
    return *it;
}

FontMetrics GdiTextDevice::Metrics(const FontSpec& font) {
    return Select(font).metrics;
}

int GdiTextDevice::TextWidth(const FontSpec& font, std::u16string_view text) {
    Select(font);
    long long total = 0;
    for (std::size_t i = 0; i < text.size(); i += kChunk) {
        std::size_t n = std::min(kChunk, text.size() - i);
        SIZE sz{};
        GetTextExtentPoint32W(dc_, Wide(text.substr(i)), int(n), &sz);
        total += sz.cx;
    }
    return int(std::min<long long>(total, INT_MAX / 2));
}

std::size_t GdiTextDevice::FitCharacters(const FontSpec& font, std::u16string_view text, int maxWidth) {
    Select(font);
    std::size_t done = 0;
    while (done < text.size() && maxWidth > 0) {
        std::size_t n = std::min(kChunk, text.size() - done);
        int fit = 0;
        SIZE sz{};
        if (!GetTextExtentExPointW(dc_, Wide(text.substr(done)), int(n), maxWidth, &fit, nullptr, &sz)) break;
        done += std::size_t(std::max(fit, 0));
        if (std::size_t(fit) < n) break;
        maxWidth -= sz.cx;
    }
    return done;
}

void GdiTextDevice::DrawTextRun(const FontSpec& font, int x, int y, std::u16string_view text, Colour colour) {
    Select(font);
    SetTextColor(dc_, colour);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    for (std::size_t i = 0; i < text.size(); i += kChunk) {
        std::size_t n = std::min(kChunk, text.size() - i);
        ExtTextOutW(dc_, x, y, 0, nullptr, Wide(text.substr(i)), UINT(n), nullptr);
        if (i + n < text.size()) {
            SIZE sz{};
            GetTextExtentPoint32W(dc_, Wide(text.substr(i)), int(n), &sz);
            x += sz.cx;
        }
    }
}

void GdiTextDevice::FillRect(const Rect& r, Colour colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    RECT rc{r.left, r.top, r.right, r.bottom};
    COLORREF old = SetBkColor(dc_, colour);
    ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    SetBkColor(dc_, old);
}

void GdiTextDevice::GradientRect(const Rect& r, Colour from, Colour to, GradientDirection d) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    auto vertex = [](int x, int y, Colour c) {
        TRIVERTEX v{};
        v.x = x;
        v.y = y;
        v.Red = COLOR16((c & 0xFF) << 8);
        v.Green = COLOR16(((c >> 8) & 0xFF) << 8);
        v.Blue = COLOR16(((c >> 16) & 0xFF) << 8);
        return v;
    };
    TRIVERTEX v[2] = {vertex(r.left, r.top, from), vertex(r.right, r.bottom, to)};
    GRADIENT_RECT g{0, 1};
    GradientFill(dc_, v, 2, &g, 1,
                 d == GradientDirection::Horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

HMODULE GdiTextDevice::ModuleFor(void* module, const std::u16string& file) {
    if (file.empty()) return static_cast<HMODULE>(module);
    for (auto& m : modules_)
        if (m.first == file) return m.second;
    // Images and strings loaded from a module are copies, so no entry of the
    // image cache needs a module that is freed here.
    if (modules_.size() >= kCacheLimit) {
        for (auto& m : modules_)
            if (m.second) FreeLibrary(m.second);
        modules_.clear();
    }
    HMODULE h = LoadLibraryExW(Wide(file), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    modules_.emplace_back(file, h);
    return h;
}

GdiTextDevice::ImageEntry* GdiTextDevice::Load(const ImageSource& s) {
    ImageSource key = s;
    key.index = 0;
    key.style = key.hotStyle = 0;
    for (auto& e : images_)
        if (e.key == key) return (e.bitmap || e.icon || e.list) ? &e : nullptr;
    // Entries are only used within the call that looks them up, so the whole
    // cache may go.
    if (images_.size() >= kCacheLimit) ReleaseImages();
    ImageEntry e;
    e.key = key;
    if (s.handle) {
        HANDLE h = reinterpret_cast<HANDLE>(s.handle);
        if (s.kind == ImageKind::Bitmap && GetObjectType(h) == OBJ_BITMAP)
            e.bitmap = h;
        else if (s.kind == ImageKind::Icon) {
            ICONINFO info{};
            if (GetIconInfo(static_cast<HICON>(h), &info)) {
                e.icon = static_cast<HICON>(h);
                if (info.hbmColor) DeleteObject(info.hbmColor);
                if (info.hbmMask) DeleteObject(info.hbmMask);
            }
        } else if (s.kind == ImageKind::ImageList && Readable(h)) {
            e.list = reinterpret_cast<HIMAGELIST>(h);
        }
    } else {
        e.owned = true;
        COLORREF mask = s.mask ? *s.mask : CLR_NONE;
        if (!s.file.empty()) {
            if (s.kind == ImageKind::Bitmap)
                e.bitmap = LoadImageW(nullptr, Wide(s.file), IMAGE_BITMAP, 0, 0,
                                      LR_LOADFROMFILE | LR_CREATEDIBSECTION);
            else if (s.kind == ImageKind::Icon)
                e.icon = static_cast<HICON>(LoadImageW(nullptr, Wide(s.file), IMAGE_ICON, s.cellWidth,
                                                       s.cellHeight, LR_LOADFROMFILE));
            else
                e.list = ImageList_LoadImageW(nullptr, Wide(s.file), std::max(1, s.cellWidth), 0, mask,
                                              IMAGE_BITMAP, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
        } else if (s.resourceId != 0 && s.resourceId <= 0xFFFF) {
            HMODULE m = ModuleFor(s.module, s.moduleFile);
            if (m || s.moduleFile.empty()) {
                LPCWSTR id = MAKEINTRESOURCEW(s.resourceId);
                if (s.kind == ImageKind::Bitmap)
                    e.bitmap = LoadImageW(m, id, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
                else if (s.kind == ImageKind::Icon)
                    e.icon = static_cast<HICON>(LoadImageW(m, id, IMAGE_ICON, s.cellWidth, s.cellHeight,
                                                           s.cellWidth ? 0 : LR_DEFAULTSIZE));
                else
                    e.list = ImageList_LoadImageW(m, id, std::max(1, s.cellWidth), 0, mask, IMAGE_BITMAP,
                                                  LR_CREATEDIBSECTION);
            }
        }
    }
    images_.push_back(e);
    return (e.bitmap || e.icon || e.list) ? &images_.back() : nullptr;
}

std::optional<Size> GdiTextDevice::ImageSize(const ImageSource& s) {
    ImageEntry* e = Load(s);
    if (!e) return std::nullopt;
    if (e->bitmap) {
        BITMAP bm{};
        if (!GetObjectW(e->bitmap, sizeof bm, &bm)) return std::nullopt;
        return Size{s.cellWidth ? s.cellWidth : bm.bmWidth, s.cellHeight ? s.cellHeight : bm.bmHeight};
    }
    if (e->list) {
        int cx = 0, cy = 0;
        if (!ImageList_GetIconSize(e->list, &cx, &cy)) return std::nullopt;
        return Size{cx, cy};
    }
    ICONINFO info{};
    if (!GetIconInfo(e->icon, &info)) return std::nullopt;
    BITMAP bm{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return Size{bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
}

void GdiTextDevice::DrawImage(const ImageSource& s, const Rect& r, bool hot) {
    ImageEntry* e = Load(s);
    if (!e || r.Width() <= 0 || r.Height() <= 0) return;
    if (e->icon) {
        DrawIconEx(dc_, r.left, r.top, e->icon, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
        return;
    }
    if (e->list) {
        ImageList_DrawEx(e->list, s.index, dc_, r.left, r.top, r.Width(), r.Height(), CLR_NONE, CLR_DEFAULT,
                         UINT(hot ? s.hotStyle : s.style) | ILD_TRANSPARENT);
        return;
    }
    BITMAP bm{};
    if (!GetObjectW(e->bitmap, sizeof bm, &bm)) return;
    int cw = s.cellWidth ? s.cellWidth : bm.bmWidth;
    int ch = s.cellHeight ? s.cellHeight : bm.bmHeight;
    int sx = int(std::min<long long>((long long)s.index * cw, bm.bmWidth));
    if (sx + cw > bm.bmWidth) return;
    HDC mem = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(mem, e->bitmap);
    if (s.mask) {
        TransparentBlt(dc_, r.left, r.top, r.Width(), r.Height(), mem, sx, 0, cw,
                       std::min(ch, int(bm.bmHeight)), *s.mask);
    } else {
        SetStretchBltMode(dc_, COLORONCOLOR);
        StretchBlt(dc_, r.left, r.top, r.Width(), r.Height(), mem, sx, 0, cw, std::min(ch, int(bm.bmHeight)),
                   SRCCOPY);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
}

std::optional<std::u16string> GdiTextDevice::LoadStringResource(const StringSource& s) {
    if (s.resourceId == 0 || s.resourceId > 0xFFFF) return std::nullopt;
    HMODULE m = ModuleFor(s.module, s.moduleFile);
    if (!m && !s.moduleFile.empty()) return std::nullopt;
    const wchar_t* text = nullptr;
    int n = LoadStringW(m, s.resourceId, reinterpret_cast<LPWSTR>(&text), 0);
    if (n <= 0 || !text) return std::nullopt;
    return std::u16string(reinterpret_cast<const char16_t*>(text), std::size_t(n));
}

} // namespace richtext
