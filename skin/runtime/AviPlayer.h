// The video libraries, bound by name at run time so that brevox starts
// where they are missing, and the one clip an animation control has open:
// its first video stream, the stream's facts and a frame getter.
#pragma once

#include <windows.h>

#include <vfw.h>

#include <string>
#include <vector>

class AviPlayer {
public:
    AviPlayer();
    ~AviPlayer();
    AviPlayer(const AviPlayer&) = delete;
    AviPlayer& operator=(const AviPlayer&) = delete;

    // Both libraries loaded and every entry found.
    bool Ok() const { return ok_; }

    // Opens the first video stream of the file; the clip open before is
    // released first. `temporaryFiles` are deleted when this clip goes.
    bool Open(const std::wstring& path, std::vector<std::wstring> temporaryFiles = {});
    // Closes the clip (getter, stream) and deletes its temporary files.
    void Release();
    bool IsOpen() const { return stream_ != nullptr; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    DWORD Rate() const { return info_.dwRate; }
    DWORD Scale() const { return info_.dwScale; }
    int Length() const { return static_cast<int>(info_.dwLength); }
    // The stream's format as stored (with its palette for 8-bit clips).
    const std::vector<uint8_t>& Format() const { return format_; }

    // Draws frame `frame` (counted from the stream's start) at its own size
    // at 0,0 of `dc`; false when it cannot be decoded.
    bool DrawFrame(HDC dc, int frame);

private:
    using FileInitFn = void(WINAPI*)();
    using FileExitFn = void(WINAPI*)();
    using OpenFromFileFn = HRESULT(WINAPI*)(PAVISTREAM*, LPCWSTR, DWORD, LONG, UINT, CLSID*);
    using StreamInfoFn = HRESULT(WINAPI*)(PAVISTREAM, AVISTREAMINFOW*, LONG);
    using ReadFormatFn = HRESULT(WINAPI*)(PAVISTREAM, LONG, LPVOID, LONG*);
    using GetFrameOpenFn = PGETFRAME(WINAPI*)(PAVISTREAM, LPBITMAPINFOHEADER);
    using GetFrameFn = LPVOID(WINAPI*)(PGETFRAME, LONG);
    using GetFrameCloseFn = HRESULT(WINAPI*)(PGETFRAME);
    using StreamReleaseFn = ULONG(WINAPI*)(PAVISTREAM);
    using DrawDibOpenFn = HDRAWDIB(WINAPI*)();
    using DrawDibDrawFn = BOOL(WINAPI*)(HDRAWDIB, HDC, INT, INT, INT, INT, LPBITMAPINFOHEADER, LPVOID, INT,
                                        INT, INT, INT, UINT);
    using DrawDibCloseFn = BOOL(WINAPI*)(HDRAWDIB);

    template <typename Fn>
    bool Bind(HMODULE module, const char* name, Fn& entry);

    HMODULE avifil_ = nullptr;
    HMODULE msvfw_ = nullptr;
    bool ok_ = false;
    FileInitFn fileInit_ = nullptr;
    FileExitFn fileExit_ = nullptr;
    OpenFromFileFn openFromFile_ = nullptr;
    StreamInfoFn streamInfo_ = nullptr;
    ReadFormatFn readFormat_ = nullptr;
    GetFrameOpenFn getFrameOpen_ = nullptr;
    GetFrameFn getFrame_ = nullptr;
    GetFrameCloseFn getFrameClose_ = nullptr;
    StreamReleaseFn streamRelease_ = nullptr;
    DrawDibOpenFn drawDibOpen_ = nullptr;
    DrawDibDrawFn drawDibDraw_ = nullptr;
    DrawDibCloseFn drawDibClose_ = nullptr;

    PAVISTREAM stream_ = nullptr;
    PGETFRAME getter_ = nullptr;
    HDRAWDIB drawDib_ = nullptr;
    AVISTREAMINFOW info_{};
    std::vector<uint8_t> format_;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::wstring> temporaryFiles_;
};
