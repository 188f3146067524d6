// What frames and dialogs share: the skinned non-client area (size, paint,
// hit test, mouse), the region, the client background cache and the style
// hiding around the previous procedure.
#pragma once

#include "BackgroundCache.h"
#include "FrameHitTest.h"
#include "SkinWnd.h"

class SkinFramedWnd : public SkinWnd {
public:
    ~SkinFramedWnd() override;
    bool Attach(HWND hwnd) override;
    void Detach() override;
    DWORD AttachStyle() const { return attachStyle_; }

    // Wall clock in milliseconds for the caption double-click rule;
    // replaceable by tests.
    using Clock = unsigned long long (*)();
    static void SetClockForTesting(Clock clock);

protected:
    static unsigned long long Now();

    virtual int MenuBarHeight(int) const { return 0; }
    // Hit code of a point in window coordinates.
    virtual int HitTest(int x, int y) = 0;

    // The style the previous procedure sees while it handles a message that
    // would paint a caption: a bare popup keeping the state bits.
    DWORD QuietStyle() const;

    // Messages frames and dialogs answer alike: non-client size, paint and
    // hit test, child backgrounds, size and scale changes, control colours.
    bool HandleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(LPARAM lParam);
    // Lays out the parts, refreshes the region and background after a size
    // change, and paints the frame strips.
    void OnNcPaint(HRGN update);
    void RepaintFrame() { OnNcPaint(nullptr); }
    // The region follows every size change at once, before the window shows
    // itself with the new size (not only at its next frame paint).
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    void KeepClientSize();
    LRESULT OnEraseBackground(HDC dc);
    LRESULT OnChildBackground(HDC dc, HWND child);
    // Control colours: skinned statics get no background (they paint their
    // own), skinned edits their skinner's colours; statics and buttons
    // without a skinner of their own get the skin's background instead of
    // the system's face colour, unless the window's own procedure chose
    // colours.
    LRESULT OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);
    // Non-client mouse: elements first, then the previous procedure with
    // the system menu style hidden.
    LRESULT OnNcMouse(UINT message, WPARAM wParam, LPARAM lParam);
    bool ShowsMaximized() const;
    // Moved to a display of another scale: the frame follows it.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    POINT WindowPoint(LPARAM screenPoint) const;

    DWORD attachStyle_ = 0;
    BackgroundCache background_;
    bool dwmChanged_ = false;
};
