// Skin loading speed against its floor: the bare LZO1X decompression of the
// same body plus one copy of every image's bytes.

#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinBody.h"
#include "SkinFileWriter.h"

#include <lzo/lzo1x.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

volatile unsigned g_sink = 0; // keeps the floor's work from being optimised away
using Clock = std::chrono::steady_clock;

template <typename F>
double BestMs(int runs, F&& f) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        f();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    return best;
}

std::vector<uint8_t> Bmp(int w, int h, uint32_t seed) {
    const uint32_t row = (uint32_t(w) * 3 + 3) / 4 * 4;
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
    u32(54 + row * h);
    u32(0);
    u32(54);
    u32(40);
    u32(w);
    u32(h);
    u16(1);
    u16(24);
    u32(0);
    u32(row * h);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Gradients with a little noise: compresses like real artwork.
            f.push_back(uint8_t(x * 2 + (rng() & 3)));
            f.push_back(uint8_t(y * 2));
            f.push_back(uint8_t(seed * 16 + ((x / 8 + y / 8) & 1) * 40));
        }
        for (uint32_t p = uint32_t(w) * 3; p < row; ++p) f.push_back(0);
    }
    return f;
}

std::vector<uint8_t> SyntheticSkin(size_t& imageBytes) {
    Skin skin;
    const int codes[] = {1, 4, 5, 6, 7, 8, 10, 11, 12, 14, 16, 17, 29, 42};
    for (int i = 0; i < 40; ++i) {
        for (const int code : codes) {
            auto o = CreateSkinObject(code);
            o->SetName("object-" + std::to_string(code) + "-" + std::to_string(i));
            auto child = CreateSkinObject(code == 1 ? 3 : 14);
            child->SetName("child");
            o->AddChild(std::move(child));
            skin.PutObject(std::move(o));
        }
    }
    imageBytes = 0;
    for (int i = 0; i < 96; ++i) {
        auto image = std::make_unique<ImageObject>();
        image->SetName("image-" + std::to_string(i));
        auto bytes = Bmp(160, 160, uint32_t(i));
        imageBytes += bytes.size();
        image->SetEncoded(std::move(bytes), 1);
        skin.PutImage(std::move(image));
    }
    return SaveSkinFile(skin, 13);
}

size_t ImageBytesOf(const std::vector<uint8_t>& file) {
    Skin skin;
    if (!skin.LoadMemory(file.data(), file.size())) return 0;
    size_t total = 0;
    for (const auto& [name, image] : skin.Images())
        total += image->Image().IsValid() ? image->Image().DibSize() + 14 : 0;
    return total;
}

void Row(const char* name, const std::vector<uint8_t>& file, size_t imageBytes, int runs) {
    const size_t body =
        size_t(file[0]) | size_t(file[1]) << 8 | size_t(file[2]) << 16 | size_t(file[3]) << 24;
    Skin skin;
    const double load = BestMs(runs, [&] {
        if (!skin.LoadMemory(file.data(), file.size())) std::printf("load failed\n");
    });
    const double floor = BestMs(runs, [&] {
        // Uninitialised buffers: the floor pays for no zero-filling.
        std::unique_ptr<uint8_t[]> fresh(new uint8_t[body]);
        lzo_uint n = body;
        if (lzo1x_decompress_safe(file.data() + 4, file.size() - 4, fresh.get(), &n, nullptr) != LZO_E_OK)
            std::printf("decompression failed\n");
        std::unique_ptr<uint8_t[]> copy(new uint8_t[imageBytes + 1]);
        std::memcpy(copy.get(), fresh.get(), std::min(imageBytes, body));
        g_sink = g_sink + copy[imageBytes / 2] + fresh[body / 2];
    });
    std::printf("| %-22s | %9.2f | %8zu | %9.3f | %9.3f | %5.2f |\n", name, body / 1048576.0, file.size(),
                load, floor, load / floor);
}

} // namespace

int main() {
    if (lzo_init() != LZO_E_OK) return 1;
    std::printf("\nSkin loading (best of N runs, milliseconds)\n\n");
    std::printf("| %-22s | %9s | %8s | %9s | %9s | %5s |\n", "skin", "body MB", "file B", "load ms",
                "floor ms", "ratio");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(24, '-').c_str(), std::string(11, '-').c_str(),
                std::string(10, '-').c_str(), std::string(11, '-').c_str(), std::string(11, '-').c_str(),
                std::string(7, '-').c_str());
    std::ifstream f("xpblue.tvf", std::ios::binary);
    if (f) {
        const std::vector<uint8_t> file((std::istreambuf_iterator<char>(f)),
                                        std::istreambuf_iterator<char>());
        Row("xpblue.tvf (default)", file, ImageBytesOf(file), 50);
    } else {
        std::printf("| %-22s | not found in the working folder |\n", "xpblue.tvf (default)");
    }
    size_t imageBytes = 0;
    const std::vector<uint8_t> synthetic = SyntheticSkin(imageBytes);
    Row("synthetic, 96 images", synthetic, imageBytes, 10);
    return 0;
}
