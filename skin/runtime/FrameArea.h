// A caption or border area: a background picture and a text (the window's
// title for a caption area, or drawn by the window itself), a hit code, and
// a shape combined into the window region.
#pragma once

#include <string>

#include "FrameElement.h"

class FrameAreaObject;

class FrameArea : public FrameElement {
public:
    using FrameElement::FrameElement;

    void Draw(HDC dc) override;
    void SetObject(SkinObject* object) override;
    int HitCode() const override;
    HRGN AreaRegion(int* combineMode) const override;

protected:
    SkinRect Place(const SkinRect& design, FrameSize designSize, FrameSize window) const override;

private:
    void DrawAreaText(HDC dc, const std::wstring& text) const;
    void SendDrawItem(HDC dc) const;

    const FrameAreaObject* area_ = nullptr;
};
