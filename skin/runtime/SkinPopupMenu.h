// A skinned popup menu: a top-most tool window of the engine's popup-menu
// class showing a menu's items with the skin's popup-menu object, opening
// submenus, scrolling when taller than the work area, and reporting the
// chosen command to its owner window.
#pragma once

#include <memory>

#include "EngineClasses.h"
#include "MenuImageMap.h"
#include "MenuRules.h"
#include "SkinMenuItem.h"
#include "SkinWnd.h"
#include "WindowFrameObjects.h"

class SkinPopupMenu : public SkinWnd, public EngineWindowObject {
public:
    // Mode 0: a menu-bar drop-down (or its submenu); 1: the system menu.
    enum MenuMode {
        kDropDown = 0,
        kSystemMenu = 1
    };
    // Results of a click.
    enum ClickResult {
        kClickOutside = 0,
        kClickChosen = 1,
        kClickInside = 2
    };
    static constexpr UINT_PTR kSubmenuTimer = 1001;
    static constexpr UINT kSubmenuDelayMs = 500;

    SkinPopupMenu(HWND owner, int mode, SkinPopupMenu* parent = nullptr);
    ~SkinPopupMenu() override;

    bool Create();
    // A top-level popup reads its items from the menu; a submenu borrows
    // its parent item's list.
    void Fill(HMENU menu);
    void Borrow(SkinMenuItemList* items);
    // The skin's popup-menu object, or the built-in defaults for null.
    void UseObject(SkinObject* object);
    void SetImageMap(const MenuImageMap& map) { imageMap_ = map; }
    // Window size for the items (font, icons, frame borders).
    SIZE Measure();
    void Place(const SkinRect& screen);
    void Show();
    // Closes the open submenu (recursively), hides and destroys the window.
    void Close();
    // Menu mode ends: the owner hears WM_MENUSELECT with 0xFFFF0000 and
    // WM_SKIN_MENUENDED.
    void EndMenu();

    bool Done() const { return done_; }
    bool IsTopLevel() const { return parent_ == nullptr; }
    int Mode() const { return mode_; }
    HWND Owner() const { return owner_; }
    int CurrentItem() const { return current_; }
    int FirstVisible() const { return firstVisible_; }
    int ItemHeight() const { return itemHeight_; }
    const PopupScroll& Scroll() const { return scroll_; }
    SkinPopupMenu* Child() const { return child_.get(); }
    const SkinMenuItemList& Items() const;

    // Mouse in this popup's client coordinates (the top-level popup holds
    // the capture and hands moves and clicks down to its submenus).
    bool MouseMove(POINT client);
    int MouseDown(UINT message, POINT client);

    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SkinMenuItemList& MutableItems();
    int Count() const { return static_cast<int>(Items().size()); }
    const PopupMenuObject& Look() const;
    ItemMargins Margins() const;
    PopupFrame FrameBorders() const;
    int IconSize() const;
    HFONT Font();
    void UpdateItemHeight();
    RECT ItemRect(int index) const;
    RECT UpperStrip() const;
    RECT LowerStrip() const;
    int ItemAt(POINT client) const;
    void InvalidateItem(int index);
    void SetCurrent(int index, WORD selectFlags);
    void EnsureVisible(int index);
    void SendMenuSelect(WPARAM wParam, LPARAM lParam);
    void SendMenuSelectEnd();
    void OpenSubmenu(bool fitToWorkArea);
    void CloseChild();
    void Choose(int index);
    void PostCommand(UINT id);
    void OnShown(bool shown);
    void OnKeyDown(WPARAM key);
    LRESULT OnMenuKey(WPARAM key, LPARAM flags);
    void OnChoose(UINT id);
    void Paint();
    void PaintItem(HDC dc, int index);
    void PaintNonClient();
    void KeepOwnerCaption();
    void RestoreOwnerCaption();

    HWND owner_;
    int mode_;
    SkinPopupMenu* parent_;
    std::unique_ptr<SkinPopupMenu> child_;
    SkinMenuItemList ownItems_;
    SkinMenuItemList* items_ = &ownItems_;
    int current_ = -1;
    int firstVisible_ = 0;
    int itemHeight_ = 0;
    PopupScroll scroll_;
    HMENU tracked_ = nullptr;
    bool done_ = false;
    MenuImageMap imageMap_;
    PopupMenuObject defaults_;
    HFONT font_ = nullptr;
    HWND subclassedOwner_ = nullptr;
    bool capturing_ = false;
    bool releasing_ = false;
};
