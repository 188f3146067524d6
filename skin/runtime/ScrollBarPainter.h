// Draws the parts of one scroll bar: from the skin's scroll-bar object when
// there is one (the state's picture, falling back to the normal one), else
// in the system's look (frame-control arrows, a checkered track, a raised
// thumb).
#pragma once

#include <windows.h>

class ScrollBarObject;
class Skin;

enum class ScrollPaintState {
    Normal,
    Pressed,
    Hot,
    Disabled,
};

class ScrollBarPainter {
public:
    // `object` may be null: the system look.
    ScrollBarPainter(const ScrollBarObject* object, const Skin& skin, bool vertical);

    void Arrow(HDC dc, const RECT& rect, bool second, ScrollPaintState state) const;
    // A page area, or the whole track of a bar without a thumb.
    void Page(HDC dc, const RECT& rect, bool pressed) const;
    void Thumb(HDC dc, const RECT& rect, ScrollPaintState state) const;
    // The square between two bars: GRIPPER on the button face, or without
    // a skin a size grip when `grip` (on the left side when `leftGrip`).
    void Corner(HDC dc, const RECT& rect, bool grip, bool leftGrip) const;

private:
    int Block(ScrollPaintState state) const;

    const ScrollBarObject* object_;
    const Skin& skin_;
    bool vertical_;
};
