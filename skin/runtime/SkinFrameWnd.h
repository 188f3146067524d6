// Skinner of an ordinary top-level frame window: the skin's frame, caption
// and region, with the system's own move, size and activation underneath.
#pragma once

#include <memory>

#include "SkinFramedWnd.h"
#include "SkinMenuBar.h"

class SkinFrameWnd : public SkinFramedWnd {
public:
    SkinFrameWnd();
    ~SkinFrameWnd() override;
    SkinObject* SetObject(SkinObject* object) override;
    bool Attach(HWND hwnd) override;
    void Detach() override;
    HMENU GetMenu() override;
    void SetMenu(HMENU menu) override;
    LRESULT MenuKey(WPARAM key, LPARAM flags) override;
    RECT MenuBarRect() override;
    void PaintExtra(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintCaptionText(HDC dc, bool active) override;
    HWND ActiveMdiChild(bool* maximized) override;

    virtual LRESULT OnNcButtonUp(WPARAM hit, LPARAM point);
    virtual LRESULT OnNcButtonDown(WPARAM hit, LPARAM point);
    virtual LRESULT OnNcDoubleClick(WPARAM hit, LPARAM point);
    virtual LRESULT OnNcMouseMove(WPARAM hit, LPARAM point);
    int HitTest(int x, int y) override;
    // Where the window lies maximized: a top-level frame fills the work
    // area; an MDI child puts its skin frame just outside the MDI client.
    virtual RECT MaximizedGeometry();
    SkinMenuBar& MenuBar() { return *menuBar_; }
    HWND MdiClient() const { return mdiClient_; }

protected:
    int MenuBarHeight(int windowWidth) const override;
    bool IsMdiChild() const { return isMdiChild_; }

private:
    bool Resizable() const;
    DWORD FrameQuietStyle() const;
    // Gives the bar's menu back to the window (the system destroys it with
    // the window, or shows it again after detach).
    void GiveMenuBack();
    void AttachMdiClient();
    void OnMinMaxInfo(MINMAXINFO* info);
    // A zoomed MDI child covers the client with its client area only.
    void PlaceZoomedMdiChild();
    // The top-level frame's bar shows the MDI buttons while a child is
    // maximized: its height follows the child's state.
    void RefreshParentFrame();
    HWND mdiClient_ = nullptr; // its skinner belongs to the registry
    bool placing_ = false;
    bool isMdiChild_ = false;
    std::unique_ptr<SkinMenuBar> menuBar_;
    unsigned long long lastUpTime_ = 0;
};
