// Something drawn on a skinned frame above the nine parts (caption buttons,
// images, caption and border areas). The owner lays elements out, draws them,
// offers them the mouse and asks them during hit testing.
#pragma once

#include <windows.h>

class SkinObject;
class SkinWnd;

class FrameElement {
public:
    virtual ~FrameElement() = default;
    virtual void Draw(HDC dc) = 0;
    virtual void SetObject(SkinObject* object) = 0;
    virtual void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Mouse messages in window coordinates; true when consumed.
    virtual bool OnMouse(UINT clientMessage, int x, int y) = 0;
    virtual bool Contains(int x, int y) const = 0;
    // Hit code when the element contains the point.
    virtual int HitCode() const = 0;
    virtual void Layout(const RECT& window) = 0;
    virtual bool IsVisible() const = 0;
    // Caption button kind (0..5), or -1 for other elements.
    virtual int ButtonKind() const { return -1; }
    // Frame areas shape the window region; null when this one does not.
    virtual HRGN AreaRegion(int* combineMode) const {
        *combineMode = 0;
        return nullptr;
    }
    bool Enabled() const { return enabled_; }

protected:
    bool enabled_ = true;
};
