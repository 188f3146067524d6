#include "AviClip.h"

#include <cstdio>

namespace testavi {

namespace {

class Writer {
public:
    void U16(uint32_t v) {
        bytes.push_back(static_cast<uint8_t>(v));
        bytes.push_back(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Tag(const char (&fourcc)[5]) { bytes.insert(bytes.end(), fourcc, fourcc + 4); }
    // Opens a chunk (or a RIFF/LIST with `form`) and returns where its size goes.
    size_t Open(const char (&fourcc)[5]) {
        Tag(fourcc);
        const size_t at = bytes.size();
        U32(0);
        return at;
    }
    void Close(size_t at) {
        const uint32_t size = static_cast<uint32_t>(bytes.size() - at - 4);
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(size >> (8 * i));
        if (size & 1) bytes.push_back(0); // chunks are word aligned
    }

    std::vector<uint8_t> bytes;
};

} // namespace

std::vector<uint8_t> Build(const Clip& clip) {
    const uint32_t stride = (static_cast<uint32_t>(clip.width) + 3) & ~3u;
    const uint32_t frameSize = stride * static_cast<uint32_t>(clip.height);
    const uint32_t usPerFrame = clip.rate ? static_cast<uint32_t>(1000000ull * clip.scale / clip.rate) : 0;
    Writer w;
    const size_t riff = w.Open("RIFF");
    w.Tag("AVI ");
    const size_t hdrl = w.Open("LIST");
    w.Tag("hdrl");
    const size_t avih = w.Open("avih");
    w.U32(usPerFrame);
    w.U32(frameSize * (clip.rate ? clip.rate : 1));
    w.U32(0);
    w.U32(0x10); // AVIF_HASINDEX
    w.U32(static_cast<uint32_t>(clip.frames));
    w.U32(0);
    w.U32(1); // streams
    w.U32(frameSize);
    w.U32(static_cast<uint32_t>(clip.width));
    w.U32(static_cast<uint32_t>(clip.height));
    for (int i = 0; i < 4; ++i) w.U32(0);
    w.Close(avih);
    const size_t strl = w.Open("LIST");
    w.Tag("strl");
    const size_t strh = w.Open("strh");
    w.Tag("vids");
    w.Tag("DIB ");
    w.U32(0); // flags
    w.U32(0); // priority, language
    w.U32(0); // initial frames
    w.U32(clip.scale);
    w.U32(clip.rate);
    w.U32(0); // start
    w.U32(static_cast<uint32_t>(clip.frames));
    w.U32(frameSize);
    w.U32(0xFFFFFFFF); // quality
    w.U32(0);          // sample size
    w.U16(0);
    w.U16(0);
    w.U16(static_cast<uint32_t>(clip.width));
    w.U16(static_cast<uint32_t>(clip.height));
    w.Close(strh);
    const size_t strf = w.Open("strf");
    w.U32(40);
    w.U32(static_cast<uint32_t>(clip.width));
    w.U32(static_cast<uint32_t>(clip.height)); // bottom-up rows
    w.U16(1);
    w.U16(8);
    w.U32(BI_RGB);
    w.U32(frameSize);
    w.U32(0);
    w.U32(0);
    w.U32(256);
    w.U32(0);
    for (int i = 0; i < 256; ++i) {
        const COLORREF c = i < static_cast<int>(clip.palette.size()) ? clip.palette[i] : 0;
        w.bytes.push_back(GetBValue(c));
        w.bytes.push_back(GetGValue(c));
        w.bytes.push_back(GetRValue(c));
        w.bytes.push_back(0);
    }
    w.Close(strf);
    w.Close(strl);
    w.Close(hdrl);

    const size_t movi = w.Open("LIST");
    const size_t moviTag = w.bytes.size();
    w.Tag("movi");
    std::vector<uint32_t> offsets;
    for (int f = 0; f < clip.frames; ++f) {
        offsets.push_back(static_cast<uint32_t>(w.bytes.size() - moviTag));
        const size_t chunk = w.Open("00db");
        for (int y = clip.height - 1; y >= 0; --y) {
            for (uint32_t x = 0; x < stride; ++x) {
                w.bytes.push_back(static_cast<int>(x) < clip.width ? clip.pixel(f, static_cast<int>(x), y)
                                                                   : 0);
            }
        }
        w.Close(chunk);
    }
    w.Close(movi);
    const size_t idx1 = w.Open("idx1");
    for (uint32_t offset : offsets) {
        w.Tag("00db");
        w.U32(0x10); // AVIIF_KEYFRAME
        w.U32(offset);
        w.U32(frameSize);
    }
    w.Close(idx1);
    w.Close(riff);
    return w.bytes;
}

bool WriteFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return false;
    const bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}

} // namespace testavi
