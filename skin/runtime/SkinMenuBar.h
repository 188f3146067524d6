// The skinned menu bar a frame draws under its caption: entries laid out
// with wrapping, hot and dropped looks, drop-down popups, and the keyboard
// (Alt, F10, arrows, mnemonics).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "MenuBarRules.h"
#include "MenuImageMap.h"

class MenuBarObject;
class SkinPopupMenu;
class SkinWnd;

class SkinMenuBar {
public:
    enum ItemState {
        kNormal = 0,
        kHot = 1,
        kDropped = 2
    };

    explicit SkinMenuBar(SkinWnd& frame);
    ~SkinMenuBar();
    SkinMenuBar(const SkinMenuBar&) = delete;
    SkinMenuBar& operator=(const SkinMenuBar&) = delete;

    void SetObject(const MenuBarObject* look);
    // Builds the entries of `menu` (null: no bar).
    void SetMenu(HMENU menu);
    HMENU Menu() const { return menu_; }
    void SetImageMap(const MenuImageMap& map) { imageMap_ = map; }

    // Bar height for a window `windowWidth` wide between borders of these
    // widths; 0 without a menu.
    int Height(int windowWidth, int leftBorder, int rightBorder);
    // Places the bar at `bar` (window coordinates) and its entries in it.
    void Layout(const RECT& bar);
    RECT Rect() const { return rect_; }
    void Paint(HDC dc);

    // Mouse in window coordinates.
    void MouseDown(POINT p);
    // Button-up on a pressed MDI button acts on the maximized child; true
    // when the bar took it.
    bool MouseUp(POINT p);
    void MouseMove(POINT p);
    bool OnTimer(UINT_PTR id);
    // The drop-down's menu mode ended (chosen, cancelled or clicked away).
    void OnMenuEnded();
    // WM_SKIN_MENUKEY from the keyboard hook or from a drop-down; non-zero
    // swallows the key.
    LRESULT Key(WPARAM key, LPARAM flags);
    // Keys reaching the frame while the bar holds the keyboard.
    bool OnKeyDown(WPARAM key);
    void OnFocusLost();

    bool InMenuMode() const { return dropped_ >= 0 || keyboard_; }
    int Hot() const { return hot_; }
    int Dropped() const { return dropped_; }
    int Count() const { return static_cast<int>(items_.size()); }
    SkinPopupMenu* DropDown() const { return popup_.get(); }
    RECT ItemRect(int index) const;

    // The buttons of a maximized MDI child, in the skin's order.
    enum MdiButton {
        kMdiIcon = 0,
        kMdiMinimize = 1,
        kMdiRestore = 2,
        kMdiClose = 3,
        kMdiButtonCount = 4
    };
    bool ShowsMdiButtons() const { return mdiMaximized_ && !IsRectEmpty(&rect_); }
    // The child's maximized state changed since the bar was measured.
    bool MdiStateStale() const;
    // Window coordinates; empty while no child is maximized.
    RECT MdiButtonRect(int button) const;
    int MdiHover() const { return mdiHover_; }
    int MdiPressed() const { return mdiPressed_; }

private:
    struct Item {
        std::wstring text;
        wchar_t mnemonic = 0;
        UINT commandId = 0;
        int position = 0;
        HMENU submenu = nullptr;
        bool enabled = true;
        SIZE textSize{};
        RECT rect{};
    };

    int ItemAt(POINT p) const;
    int MdiButtonAt(POINT p) const;
    void PaintMdiButtons(HDC dc);
    void SetMdiLook(int hover, int pressed);
    ItemMargins Inner() const;
    void Measure();
    void SetHot(int index);
    void Drop(int index);
    void CloseDropDown();
    void EnterKeyboard(int index);
    void LeaveKeyboard();
    void Repaint();
    void StartHoverTimer();
    void StopHoverTimer();
    int ItemForMnemonic(wchar_t key) const;
    std::vector<bool> EnabledFlags() const;

    SkinWnd& frame_;
    const MenuBarObject* look_ = nullptr;
    HMENU menu_ = nullptr;
    std::vector<Item> items_;
    RECT rect_{};
    int measuredWidth_ = -1;
    bool mdiMaximized_ = false;
    RECT mdiRects_[kMdiButtonCount] = {};
    int mdiHover_ = -1;
    int mdiPressed_ = -1;
    MenuBarLayout layout_;
    int hot_ = -1;
    int dropped_ = -1;
    std::unique_ptr<SkinPopupMenu> popup_;
    MenuImageMap imageMap_;
    UINT_PTR hoverTimer_ = 0;
    bool keyboard_ = false;
    HWND savedFocus_ = nullptr;
    // The last key handed to the drop-down, so one it sends back is not
    // handed to it again.
    WPARAM forwardedKey_ = 0;
};
