// Root of every skinner: one window subclassed through the shared window
// procedure, the skin object applied to it, its frame elements and the
// child skinners it created. The WindowRegistry owns every skinner; a
// skinner only remembers which child windows it gave skinners to.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FrameElement.h"
#include "FrameGeometry.h"

class SkinObject;
class WindowFrameObject;

class SkinWnd {
public:
    SkinWnd();
    virtual ~SkinWnd();
    SkinWnd(const SkinWnd&) = delete;
    SkinWnd& operator=(const SkinWnd&) = delete;

    // Virtual operations, in the order later skinners rely on.
    virtual void PaintWhole(HDC dc);
    virtual SkinObject* SetObject(SkinObject* object); // returns the previous one
    virtual std::wstring GetTooltipText(int x, int y);
    virtual void SetTooltipText(const wchar_t* text);
    virtual SkinObject* TooltipObject();
    virtual void HideTooltip();
    virtual void ShowTooltip();
    virtual HMENU GetMenu();
    virtual void SetMenu(HMENU menu);
    virtual LRESULT MenuKey(WPARAM key, LPARAM flags);
    virtual bool KeepWithoutObject() const { return false; }
    virtual LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    virtual HWND ActiveMdiChild(bool* maximized);
    virtual RECT GetWindowRect();
    virtual void PaintClientBackground(HDC dc, bool active);
    virtual void PaintFrame(HDC dc, bool active);
    virtual void Detach();
    virtual bool Attach(HWND hwnd);
    virtual void OnShowWindow() {}
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual RECT MenuBarRect();
    virtual void PaintExtra(HDC) {}
    virtual HRGN BuildRegion();
    virtual void PaintCaptionText(HDC, bool) {}

    HWND Hwnd() const { return hwnd_; }
    SkinObject* Object() const { return object_; }
    bool Destroyed() const { return destroyed_; }
    const FrameParts& Parts() const { return parts_; }
    const std::vector<std::unique_ptr<FrameElement>>& Elements() const { return elements_; }
    COLORREF TransparentColor() const { return transparentColor_; }
    bool RegionEnabled() const { return regionEnabled_; }
    bool DrawsCaptionText() const { return drawCaptionText_; }
    const std::set<HWND>& ChildWindows() const { return children_; }
    // The window of the skinner that created this one (child skinners).
    HWND OwnerWindow() const { return ownerWindow_; }
    void SetOwnerWindow(HWND owner) { ownerWindow_ = owner; }
    // The frame object's design rectangles scaled for the window's display.
    const SkinRect (&Design() const)[kFramePartCount] { return design_; }
    int Dpi() const { return dpi_; }
    bool CaptionActive() const { return ncActive_; }
    // A timer id of the runtime's own on this window: the window's own code
    // uses ids below 0x8000, and WM_TIMERs of other ids are passed on.
    UINT_PTR NewTimerId() { return nextTimerId_++; }

    // Gives `child` a skinner of its kind when the skin has an object for it
    // (from this skinner's object list first when `useObjectList`), re-applies
    // an existing one, or drops it when there is no object any more.
    void AdoptChild(HWND child, bool useObjectList);
    // Unregisters (detaches and deletes) the skinner of `child`.
    void DropChild(HWND child);

    // Every subclassed window runs this; it finds the skinner under "OBJECT".
    static LRESULT CALLBACK SharedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static SkinWnd* FromWindow(HWND hwnd);
    // Skinners alive in the process (leak checks).
    static long LiveCount();

protected:
    LRESULT CallPrev(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs the previous procedure with `clear` removed from the style (so it
    // paints no system decorations), then restores the style.
    LRESULT CallPrevHiding(DWORD clear, UINT message, WPARAM wParam, LPARAM lParam);
    // Same with the whole style replaced for the call.
    LRESULT CallPrevWithStyle(DWORD style, UINT message, WPARAM wParam, LPARAM lParam);

    // The frame object applied, or null when the object draws no frame.
    const WindowFrameObject* FrameObject() const;
    void WalkChildren();
    void LayoutParts(int width, int height);
    void UpdateDesign();
    static int WindowDpi(HWND hwnd);
    int ScaledMode(int drawMode) const;
    void ResetLastWindowRect() { lastWindowRect_ = {}; }
    bool SizeChangedSinceRegion(const RECT& window) const;
    void RememberWindowRect(const RECT& window);
    // Builds the region and gives it to the window; a region covering the
    // whole window removes the region instead.
    void ApplyRegion();
    void EnableCaptionButtons();
    // Paints the frame into a window-sized buffer and copies only the frame
    // strips (the top strip down to `topStripBottom`) to the window.
    void PaintNonClientBuffered(HRGN update, int topStripBottom);
    void PaintMinimized(HDC dc, const RECT& rect, bool active);
    // The nine parts, drawn afresh or copied from the last picture of them.
    void PaintParts(HDC dc, bool active);
    bool DrawCachedParts(HDC dc, bool active);
    void DropPartsCache();
    void DropPaintBuffers();
    // The title, for frames and dialogs whose style has the whole caption.
    void PaintCaptionTextFor(HDC dc);
    // The frame of one of the engine's own windows (popup menus, the
    // tooltip): parts laid out for its size, the region rebuilt when the
    // size changed, the frame strips painted active.
    void PaintOwnFrame();
    // WM_NCCALCSIZE of such a window: the client is inside the design
    // borders.
    LRESULT OwnFrameCalcSize(WPARAM wParam, LPARAM lParam) const;
    // WM_PAINT of such a window: `content` draws the client into a
    // client-sized buffer that then goes to the screen in one copy.
    void PaintOwnClient(const std::function<void(HDC, const RECT&)>& content);
    // Draws the frame elements that are visible for the window's state.
    void PaintElements(HDC dc, const RECT& window);
    // Places the elements for the window's current size.
    void LayoutElements();
    int ElementHit(int x, int y);
    // Offers a non-client mouse message to the elements as the client message
    // `clientMessage`; true when one consumed it.
    bool OfferToElements(UINT clientMessage, int x, int y);
    // A timer of one of the elements; false for every other timer.
    bool OfferTimerToElements(UINT_PTR id);

    std::wstring tooltipText_;
    SkinObject* object_ = nullptr;
    FrameParts parts_{};
    SkinRect design_[kFramePartCount]{};
    int dpi_ = 96;
    HWND hwnd_ = nullptr;
    HWND ownerWindow_ = nullptr;
    WNDPROC prevProc_ = nullptr;
    std::vector<std::unique_ptr<FrameElement>> elements_;
    std::set<HWND> children_;
    RECT lastWindowRect_{};
    bool destroyed_ = false;
    bool drawCaptionText_ = true;
    bool regionEnabled_ = false;
    COLORREF transparentColor_ = RGB(255, 0, 255);
    // The window has a region of ours; the system owns and frees it.
    bool hasRegion_ = false;
    HBITMAP partsCache_ = nullptr;
    HBITMAP ncBuffer_ = nullptr;
    int ncBufferWidth_ = 0;
    int ncBufferHeight_ = 0;
    int partsCacheWidth_ = 0;
    int partsCacheHeight_ = 0;
    bool partsCacheActive_ = false;
    // Caption drawn active; follows WM_NCACTIVATE.
    bool ncActive_ = false;
    UINT_PTR nextTimerId_ = 0x8000;
};
