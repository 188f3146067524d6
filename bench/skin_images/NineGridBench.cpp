// Nine-grid drawing of an 800 x 600 frame into a memory DC.
#include <windows.h>

#include <cstdio>

#include "DibImage.h"
#include "GdiSurface.h"
#include "ImageBench.h"
#include "ImageLookup.h"
#include "NineGridDraw.h"

namespace {

class OneImage : public ImageLookup {
public:
    OneImage() {
        image.Create(60, 60, 24, kImageFormatBmp);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) image.SetColor(x, y, RGB(x * 4, y * 4, 90));
    }
    const DibImage* FindImage(const char*) const override { return &image; }
    bool GetTransparency(uint32_t&, bool&) const override { return false; }
    DibImage image;
};

} // namespace

void RunNineGridBench() {
    OneImage skin;
    GdiSurface target(nullptr, 800, 600);
    NineGridImage grid;
    grid.SetName("frame");
    grid.source = SkinRect{0, 0, 60, 60};
    grid.marginLeft = grid.marginTop = grid.marginRight = grid.marginBottom = 20;
    const RECT dest = {0, 0, 800, 600};
    std::printf("\nNine-grid 800 x 600 from a 60 x 60 image, margins 20 (us per draw)\n");
    std::printf("%-28s %10s\n", "variant", "us");
    const struct {
        const char* name;
        int mode;
        int kind;
    } rows[] = {
        {"mode 0 (all tiled)", 0, 0},       {"mode 1 (all stretched)", 1, 0},
        {"mode 5 (edges stretched)", 5, 0}, {"mode 8 (centre copies)", 8, 0},
        {"border only, mode 1", 1, 1},      {"colour-keyed, mode 1", 1, 2},
    };
    for (const auto& r : rows) {
        grid.stretchMode = r.mode;
        const double s = SecondsPerCall([&] {
            if (r.kind == 0)
                DrawNineGrid(target.Dc(), dest, grid, skin, RGB(0, 0, 0), true);
            else if (r.kind == 1)
                DrawNineGridBorder(target.Dc(), dest, grid, skin, RGB(0, 0, 0), true);
            else
                DrawNineGridKeyed(target.Dc(), dest, grid, skin, RGB(255, 0, 255));
            GdiFlush();
        });
        std::printf("%-28s %10.1f\n", r.name, s * 1e6);
    }
}
