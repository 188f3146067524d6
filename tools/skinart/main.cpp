// skinart: draws the frame, caption-button, edit, scroll-bar, tab, menu and
// tooltip pictures of the default "xpblue" skin and writes them as 24-bit BMP
// files. Its output is committed under skins/xpblue/images; run it again
// after changing a picture:  skinart skins/xpblue/images
// The button, check box, radio, group box, combo drop-button and progress
// pictures and the menu bar's MDI buttons are drawn by the scripts in
// skins/xpblue/art.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
    uint8_t r, g, b;
};
constexpr Rgb kKey{255, 0, 255}; // the skin's transparent colour
constexpr Rgb kWhite{255, 255, 255};

Rgb Mix(Rgb a, Rgb b, double t) {
    auto m = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

class Canvas {
public:
    Canvas(int w, int h, Rgb fill = kKey) : w_(w), h_(h), px_(size_t(w) * h, fill) {}
    int W() const { return w_; }
    int H() const { return h_; }
    void Set(int x, int y, Rgb c) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) px_[size_t(y) * w_ + x] = c;
    }
    void Fill(int l, int t, int r, int b, Rgb c) {
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x) Set(x, y, c);
    }
    // Vertical gradient from `top` to `bottom`.
    void Gradient(int l, int t, int r, int b, Rgb top, Rgb bottom) {
        for (int y = t; y < b; ++y)
            Fill(l, y, r, y + 1, Mix(top, bottom, b - t > 1 ? double(y - t) / (b - t - 1) : 0));
    }
    void Frame(int l, int t, int r, int b, Rgb c) {
        Fill(l, t, r, t + 1, c);
        Fill(l, b - 1, r, b, c);
        Fill(l, t, l + 1, b, c);
        Fill(r - 1, t, r, b, c);
    }
    // Rounds the corners of a box by keying out `radius` pixels.
    void Round(int l, int t, int r, int b, int radius, Rgb outside = kKey) {
        for (int i = 0; i < radius; ++i) {
            for (int j = 0; j < radius - i; ++j) {
                Set(l + j, t + i, outside);
                Set(r - 1 - j, t + i, outside);
                Set(l + j, b - 1 - i, outside);
                Set(r - 1 - j, b - 1 - i, outside);
            }
        }
    }
    void Line(int x0, int y0, int x1, int y1, Rgb c) {
        const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= n; ++i)
            Set(x0 + (n ? (x1 - x0) * i / n : 0), y0 + (n ? (y1 - y0) * i / n : 0), c);
    }
    void Disc(double cx, double cy, double radius, Rgb c) {
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                if ((x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy) <= radius * radius)
                    Set(x, y, c);
    }
    bool Write(const std::filesystem::path& path) const {
        const uint32_t row = (uint32_t(w_) * 3 + 3) / 4 * 4;
        const uint32_t size = row * uint32_t(h_);
        std::vector<uint8_t> f;
        auto u16 = [&f](uint32_t v) {
            f.push_back(uint8_t(v));
            f.push_back(uint8_t(v >> 8));
        };
        auto u32 = [&](uint32_t v) {
            u16(v & 0xFFFF);
            u16(v >> 16);
        };
        u16(0x4D42);
        u32(54 + size);
        u32(0);
        u32(54);
        u32(40);
        u32(uint32_t(w_));
        u32(uint32_t(h_));
        u16(1);
        u16(24);
        u32(0);
        u32(size);
        u32(3780);
        u32(3780);
        u32(0);
        u32(0);
        for (int y = h_ - 1; y >= 0; --y) {
            for (int x = 0; x < w_; ++x) {
                const Rgb c = px_[size_t(y) * w_ + x];
                f.push_back(c.b);
                f.push_back(c.g);
                f.push_back(c.r);
            }
            for (uint32_t p = uint32_t(w_) * 3; p < row; ++p) f.push_back(0);
        }
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(f.data()), static_cast<std::streamsize>(f.size()));
        return bool(out);
    }

private:
    int w_, h_;
    std::vector<Rgb> px_;
};

// The palette of the theme.
constexpr Rgb kCaptionTop{0x3A, 0x8C, 0xF0};
constexpr Rgb kCaptionBottom{0x00, 0x4E, 0xD0};
constexpr Rgb kFrameBlue{0x00, 0x4A, 0xC8};
constexpr Rgb kInactiveTop{0x9D, 0xB9, 0xEB};
constexpr Rgb kInactiveBottom{0x7A, 0x96, 0xDF};
constexpr Rgb kFace{0xEC, 0xE9, 0xD8};
constexpr Rgb kBorder{0x7F, 0x9D, 0xB9};
constexpr Rgb kDark{0x00, 0x3C, 0x74};
constexpr Rgb kHover{0xF8, 0xB3, 0x30};
constexpr Rgb kGray{0xAC, 0xA8, 0x99};
constexpr Rgb kGreen{0x21, 0xA1, 0x21};

// Window frame, 96 x 40: caption 30 high, borders 4 wide.
Canvas WindowFrame(bool active) {
    Canvas c(96, 40);
    const Rgb top = active ? kCaptionTop : kInactiveTop;
    const Rgb bottom = active ? kCaptionBottom : kInactiveBottom;
    c.Gradient(0, 0, 96, 30, top, bottom);
    c.Fill(0, 1, 96, 2, Mix(top, kWhite, 0.5));
    c.Fill(0, 30, 96, 40, active ? kFrameBlue : kInactiveBottom);
    c.Fill(4, 30, 92, 36, kFace);
    c.Round(0, 0, 96, 60, 5);
    return c;
}

void CaptionGlyph(Canvas& c, int x, int y, int kind, Rgb ink) {
    switch (kind) {
    case 0: // close
        for (int d = 0; d < 2; ++d) {
            c.Line(x + 6 + d, y + 6, x + 13 + d, y + 13, ink);
            c.Line(x + 13 + d, y + 6, x + 6 + d, y + 13, ink);
        }
        break;
    case 1: // maximize
        c.Frame(x + 5, y + 5, x + 16, y + 15, ink);
        c.Fill(x + 5, y + 6, x + 16, y + 8, ink);
        break;
    case 2: // minimize
        c.Fill(x + 6, y + 13, x + 12, y + 16, ink);
        break;
    default: // restore
        c.Frame(x + 8, y + 4, x + 16, y + 11, ink);
        c.Frame(x + 5, y + 8, x + 13, y + 16, ink);
        c.Fill(x + 5, y + 8, x + 13, y + 10, ink);
        break;
    }
}

// Caption buttons, 21 x 21: columns normal, hover, pressed, disabled; rows
// close, maximize, minimize, restore.
Canvas CaptionButtons() {
    Canvas c(84, 84);
    for (int kind = 0; kind < 4; ++kind) {
        for (int state = 0; state < 4; ++state) {
            const int x = state * 21, y = kind * 21;
            Rgb top = kind == 0 ? Rgb{0xE8, 0x7A, 0x5A} : Rgb{0x5C, 0x9C, 0xFA};
            Rgb bottom = kind == 0 ? Rgb{0xC4, 0x3A, 0x1A} : Rgb{0x1E, 0x5E, 0xE0};
            if (state == 1) {
                top = Mix(top, kWhite, 0.3);
                bottom = Mix(bottom, kWhite, 0.2);
            } else if (state == 2) {
                std::swap(top, bottom);
            } else if (state == 3) {
                top = Mix(top, kGray, 0.6);
                bottom = Mix(bottom, kGray, 0.6);
            }
            c.Gradient(x, y, x + 21, y + 21, top, bottom);
            c.Frame(x, y, x + 21, y + 21, kWhite);
            c.Round(x, y, x + 21, y + 21, 2); // corners keyed out: the caption shows through
            CaptionGlyph(c, x, y, kind, state == 3 ? Mix(kWhite, kGray, 0.5) : kWhite);
        }
    }
    return c;
}

Canvas Box(Rgb border, Rgb fill, int radius) {
    Canvas c(16, 16, fill);
    c.Frame(0, 0, 16, 16, border);
    if (radius) c.Round(0, 0, 16, 16, radius);
    return c;
}

// Scroll bar parts, 17 x 17: row 0 arrows up, down, left, right; row 1 the
// same pressed; row 2 the same hovered; row 3 disabled; row 4 track,
// vertical thumb, horizontal thumb, gripper.
Canvas ScrollParts() {
    Canvas c(68, 85);
    for (int state = 0; state < 4; ++state) {
        for (int dir = 0; dir < 4; ++dir) {
            const int x = dir * 17, y = state * 17;
            Rgb top{0xC8, 0xD6, 0xFB}, bottom{0xB4, 0xC8, 0xF6};
            if (state == 1) std::swap(top, bottom);
            if (state == 2) top = kWhite;
            if (state == 3) top = bottom = Rgb{0xEE, 0xED, 0xE5};
            c.Gradient(x, y, x + 17, y + 17, top, bottom);
            c.Frame(x, y, x + 17, y + 17, state == 3 ? Rgb{0xE0, 0xDF, 0xD5} : kWhite);
            c.Round(x, y, x + 17, y + 17, 1, Rgb{0xF3, 0xF1, 0xEC});
            const Rgb ink = state == 3 ? kGray : Rgb{0x4D, 0x61, 0x85};
            for (int i = 0; i < 4; ++i) {
                switch (dir) {
                case 0:
                    c.Fill(x + 8 - i, y + 6 + i, x + 9 + i, y + 7 + i, ink);
                    break;
                case 1:
                    c.Fill(x + 8 - i, y + 10 - i, x + 9 + i, y + 11 - i, ink);
                    break;
                case 2:
                    c.Fill(x + 6 + i, y + 8 - i, x + 7 + i, y + 9 + i, ink);
                    break;
                default:
                    c.Fill(x + 10 - i, y + 8 - i, x + 11 - i, y + 9 + i, ink);
                    break;
                }
            }
        }
    }
    c.Fill(0, 68, 17, 85, Rgb{0xF3, 0xF1, 0xEC});
    for (int t = 1; t <= 2; ++t) {
        const int x = t * 17;
        c.Gradient(x, 68, x + 17, 85, Rgb{0xC8, 0xD6, 0xFB}, Rgb{0xB4, 0xC8, 0xF6});
        c.Frame(x, 68, x + 17, 85, kWhite);
        c.Round(x, 68, x + 17, 85, 2, Rgb{0xF3, 0xF1, 0xEC});
        for (int i = 0; i < 4; ++i) {
            if (t == 1)
                c.Fill(x + 5, 72 + 2 * i, x + 12, 73 + 2 * i, Rgb{0x8C, 0xB0, 0xF8});
            else
                c.Fill(x + 5 + 2 * i, 72, x + 6 + 2 * i, 81, Rgb{0x8C, 0xB0, 0xF8});
        }
    }
    c.Fill(51, 68, 68, 85, kFace);
    for (int i = 0; i < 3; ++i) c.Fill(62 - 3 * i, 82 - 3 + 3 * i - 6, 64, 80 - 6 + 3 * i, kGray);
    return c;
}

// Combo box drop buttons, 17 x 20: normal, pressed, hovered, disabled.
Canvas Tabs() {
    Canvas c(96, 20);
    for (int s = 0; s < 4; ++s) {
        const int x = s * 24;
        const Rgb fill = s == 1   ? Rgb{0xFC, 0xFC, 0xFE}
                         : s == 2 ? Rgb{0xEE, 0xED, 0xE5}
                                  : Rgb{0xF5, 0xF5, 0xF0};
        c.Gradient(x, 0, x + 24, 20, kWhite, fill);
        c.Frame(x, 0, x + 24, 21, Rgb{0x91, 0xA7, 0xB4});
        if (s == 1 || s == 3) c.Fill(x + 1, 0, x + 23, 3, kHover);
        c.Round(x, 0, x + 24, 40, 2);
    }
    return c;
}

// Popup menu parts: frame 12 x 12 (4-pixel border), active item 16 x 16,
// separator 16 x 3, submenu arrow 8 x 8, check mark 8 x 8, menu bar item
// 16 x 16.
Canvas MenuParts() {
    Canvas c(76, 16, Rgb{0xFC, 0xFC, 0xF9});
    c.Fill(0, 0, 12, 12, Rgb{0xFC, 0xFC, 0xF9});
    c.Frame(0, 0, 12, 12, kBorder);
    c.Fill(12, 0, 28, 16, Rgb{0x31, 0x6A, 0xC5});
    c.Fill(28, 0, 44, 3, Rgb{0xFC, 0xFC, 0xF9});
    c.Fill(30, 1, 42, 2, Rgb{0xAC, 0xA8, 0x99});
    for (int i = 0; i < 4; ++i) c.Fill(46 + i, 2 + i, 47 + i, 6 - i + 2 * i - i, Rgb{0, 0, 0});
    for (int i = 0; i < 4; ++i) c.Fill(46 + i, i, 47 + i, 8 - i, Rgb{0, 0, 0});
    c.Line(52, 4, 54, 6, Rgb{0, 0, 0});
    c.Line(54, 6, 58, 2, Rgb{0, 0, 0});
    c.Line(52, 5, 54, 7, Rgb{0, 0, 0});
    c.Line(54, 7, 58, 3, Rgb{0, 0, 0});
    c.Gradient(60, 0, 76, 16, Rgb{0x5C, 0x9C, 0xFA}, Rgb{0x31, 0x6A, 0xC5});
    c.Frame(60, 0, 76, 16, kDark);
    return c;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skinart OUTPUT-FOLDER\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    const std::pair<const char*, Canvas> images[] = {
        {"frame_active.bmp", WindowFrame(true)},
        {"frame_inactive.bmp", WindowFrame(false)},
        {"caption_buttons.bmp", CaptionButtons()},
        {"edit.bmp", Box(kBorder, kWhite, 0)},
        {"scrollbar.bmp", ScrollParts()},
        {"tabs.bmp", Tabs()},
        {"tabframe.bmp", Box(Rgb{0x91, 0x9B, 0x9C}, Rgb{0xFC, 0xFC, 0xFE}, 0)},
        {"menu.bmp", MenuParts()},
        {"tooltip.bmp", Box(Rgb{0x76, 0x76, 0x76}, Rgb{0xFF, 0xFF, 0xE1}, 0)},
    };
    for (const auto& [name, canvas] : images) {
        if (!canvas.Write(out / name)) {
            std::fprintf(stderr, "skinart: cannot write %s\n", (out / name).string().c_str());
            return 1;
        }
    }
    return 0;
}
