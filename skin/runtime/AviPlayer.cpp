#include "AviPlayer.h"

namespace {

// Bytes of colour table after a packed DIB's header.
size_t ColourTableSize(const BITMAPINFOHEADER& header) {
    size_t entries = header.biClrUsed;
    if (entries == 0 && header.biBitCount <= 8) entries = size_t{1} << header.biBitCount;
    size_t size = entries * sizeof(RGBQUAD);
    if (header.biCompression == BI_BITFIELDS) size += 3 * sizeof(DWORD);
    return size;
}

} // namespace

template <typename Fn>
bool AviPlayer::Bind(HMODULE module, const char* name, Fn& entry) {
    entry = module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
    return entry != nullptr;
}

AviPlayer::AviPlayer() {
    avifil_ = LoadLibraryW(L"avifil32.dll");
    msvfw_ = LoadLibraryW(L"msvfw32.dll");
    bool all = Bind(avifil_, "AVIFileInit", fileInit_);
    all = Bind(avifil_, "AVIFileExit", fileExit_) && all;
    all = Bind(avifil_, "AVIStreamOpenFromFileW", openFromFile_) && all;
    all = Bind(avifil_, "AVIStreamInfoW", streamInfo_) && all;
    all = Bind(avifil_, "AVIStreamReadFormat", readFormat_) && all;
    all = Bind(avifil_, "AVIStreamGetFrameOpen", getFrameOpen_) && all;
    all = Bind(avifil_, "AVIStreamGetFrame", getFrame_) && all;
    all = Bind(avifil_, "AVIStreamGetFrameClose", getFrameClose_) && all;
    all = Bind(avifil_, "AVIStreamRelease", streamRelease_) && all;
    all = Bind(msvfw_, "DrawDibOpen", drawDibOpen_) && all;
    all = Bind(msvfw_, "DrawDibDraw", drawDibDraw_) && all;
    all = Bind(msvfw_, "DrawDibClose", drawDibClose_) && all;
    if (!all) return;
    fileInit_();
    ok_ = true;
}

AviPlayer::~AviPlayer() {
    Release();
    if (ok_) fileExit_();
    if (avifil_) FreeLibrary(avifil_);
    if (msvfw_) FreeLibrary(msvfw_);
}

bool AviPlayer::Open(const std::wstring& path, std::vector<std::wstring> temporaryFiles) {
    Release();
    temporaryFiles_ = std::move(temporaryFiles);
    if (!ok_ || openFromFile_(&stream_, path.c_str(), streamtypeVIDEO, 0, OF_READ | OF_SHARE_DENY_WRITE,
                              nullptr) != 0) {
        stream_ = nullptr;
        Release();
        return false;
    }
    // Asked for its size first: an 8-bit format with its palette is more
    // than a header.
    LONG size = 0;
    const bool described = streamInfo_(stream_, &info_, sizeof info_) == 0 &&
                           readFormat_(stream_, info_.dwStart, nullptr, &size) == 0 &&
                           size >= static_cast<LONG>(sizeof(BITMAPINFOHEADER));
    if (described) {
        format_.assign(static_cast<size_t>(size), 0);
        if (readFormat_(stream_, info_.dwStart, format_.data(), &size) != 0) format_.clear();
    }
    if (format_.size() >= sizeof(BITMAPINFOHEADER)) {
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(format_.data());
        width_ = header->biWidth;
        height_ = header->biHeight < 0 ? -header->biHeight : header->biHeight;
        getter_ = getFrameOpen_(stream_, nullptr);
        drawDib_ = drawDibOpen_();
    }
    if (!getter_ || !drawDib_ || width_ <= 0 || height_ <= 0) {
        Release();
        return false;
    }
    return true;
}

void AviPlayer::Release() {
    if (getter_) getFrameClose_(getter_);
    if (drawDib_) drawDibClose_(drawDib_);
    if (stream_) streamRelease_(stream_);
    getter_ = nullptr;
    drawDib_ = nullptr;
    stream_ = nullptr;
    info_ = {};
    format_.clear();
    width_ = height_ = 0;
    // The file is closed now, so it can go.
    for (const std::wstring& file : temporaryFiles_) DeleteFileW(file.c_str());
    temporaryFiles_.clear();
}

bool AviPlayer::DrawFrame(HDC dc, int frame) {
    if (!getter_) return false;
    auto* packed =
        static_cast<BITMAPINFOHEADER*>(getFrame_(getter_, static_cast<LONG>(info_.dwStart) + frame));
    if (!packed) return false;
    void* bits = reinterpret_cast<uint8_t*>(packed) + packed->biSize + ColourTableSize(*packed);
    return drawDibDraw_(drawDib_, dc, 0, 0, width_, height_, packed, bits, 0, 0, packed->biWidth,
                        packed->biHeight < 0 ? -packed->biHeight : packed->biHeight, 0) != FALSE;
}
