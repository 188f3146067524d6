// skinc: compiles readable skin sources into skin files, prints skin files as
// source, and decodes single images.

#include "BmpWriter.h"
#include "Skin.h"
#include "SkinFileWriter.h"
#include "SkinSource.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {
int Usage() {
    std::fprintf(stderr,
                 "usage: skinc build SOURCE OUT.tvf [--version 1.N] [--raw]\n"
                 "       skinc dump FILE.tvf [--images FOLDER]\n"
                 "       skinc decode IMAGE OUT.bmp\n");
    return 2;
}

bool ReadFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return true;
}

int Build(int argc, char** argv) {
    // --raw writes the uncompressed body (fuzzing seeds, debugging).
    const bool raw = argc > 4 && std::strcmp(argv[argc - 1], "--raw") == 0;
    if (raw) --argc;
    if (argc != 4 && argc != 6) return Usage();
    int minor = -1;
    if (argc == 6) {
        int major = 0;
        char tail = 0;
        if (std::strcmp(argv[4], "--version") != 0 ||
            std::sscanf(argv[5], "%d.%d%c", &major, &minor, &tail) != 2 || major != 1 || minor < 0 ||
            minor > 13) {
            std::fprintf(stderr, "skinc: --version takes 1.0 to 1.13\n");
            return 2;
        }
    }
    std::vector<uint8_t> text;
    if (!ReadFile(argv[2], text)) {
        std::fprintf(stderr, "skinc: cannot read %s\n", argv[2]);
        return 1;
    }
    Skin skin;
    std::string error;
    const std::filesystem::path base = std::filesystem::path(argv[2]).parent_path();
    if (!ParseSkinSource(std::string(text.begin(), text.end()), base, skin, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], error.c_str());
        return 1;
    }
    if (minor < 0) minor = skin.Version().minor;
    if (minor > 13) {
        std::fprintf(stderr, "skinc: files are written in versions 1.0 to 1.13\n");
        return 1;
    }
    const std::vector<uint8_t> file = raw ? SaveSkinBody(skin, minor) : SaveSkinFile(skin, minor);
    std::ofstream out(argv[3], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    if (!out) {
        std::fprintf(stderr, "skinc: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}

int Dump(int argc, char** argv) {
    DumpOptions options;
    if (argc == 5 && std::strcmp(argv[3], "--images") == 0)
        options.imageFolder = argv[4];
    else if (argc != 3)
        return Usage();
    Skin skin;
    if (!skin.LoadFile(argv[2])) {
        std::printf("error %d\n", skin.LastError());
        return 1;
    }
    const std::string text = DumpSkinSource(skin, options);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int Decode(int argc, char** argv) {
    if (argc != 4) return Usage();
    std::vector<uint8_t> bytes;
    if (!ReadFile(argv[2], bytes)) {
        std::fprintf(stderr, "skinc: cannot read %s\n", argv[2]);
        return 1;
    }
    const std::string ext = std::filesystem::path(argv[2]).extension().string();
    const int format = (ext == ".tga" || ext == ".TGA")   ? kImageFormatTga
                       : (ext == ".bmp" || ext == ".BMP") ? kImageFormatBmp
                                                          : kImageFormatUnknown;
    DibImage image;
    if (!image.Decode(bytes.data(), bytes.size(), format)) {
        std::printf("%s\n", image.LastError());
        return 1;
    }
    const std::filesystem::path out = argv[3];
    if (!WriteBmp24(image, out)) return 1;
    if (image.HasAlpha()) {
        std::filesystem::path alpha = out;
        alpha.replace_filename(out.stem().string() + "-alpha.bmp");
        if (!WriteAlphaBmp24(image, alpha)) return 1;
    }
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "build") return Build(argc, argv);
    if (command == "dump") return Dump(argc, argv);
    if (command == "decode") return Decode(argc, argv);
    return Usage();
}
