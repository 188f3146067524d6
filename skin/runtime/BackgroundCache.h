// The client background of a skinned frame or dialog, painted once into a
// memory bitmap of the client size and copied for every erase and for the
// backgrounds of child controls.
#pragma once

#include <windows.h>

class SkinWnd;

class BackgroundCache {
public:
    BackgroundCache() = default;
    ~BackgroundCache() { Release(); }
    BackgroundCache(const BackgroundCache&) = delete;
    BackgroundCache& operator=(const BackgroundCache&) = delete;

    // Paints the client background of `owner` for the current client size.
    bool Build(SkinWnd& owner);
    void Release();
    bool Valid() const { return dc_ != nullptr; }
    bool Matches(int width, int height) const { return Valid() && width == width_ && height == height_; }
    HDC Dc() const { return dc_; }
    // Copies the cache piece at (srcX, srcY) onto `rect` of `target`.
    void CopyTo(HDC target, const RECT& rect, int srcX, int srcY) const;
    // A brush of the whole background (made on first use); align it with
    // SetBrushOrgEx to the control's offset in the owner's client area.
    HBRUSH PatternBrush();

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    HBRUSH brush_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
