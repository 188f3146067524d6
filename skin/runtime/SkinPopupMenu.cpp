#include "SkinPopupMenu.h"

#include <windowsx.h>

#include <algorithm>

#include "ImageDraw.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "SkinEngine.h"
#include "SkinFontHandle.h"
#include "SkinMessages.h"
#include "WindowRegistry.h"
#include "WorkArea.h"

namespace {

constexpr wchar_t kOwnerProcProperty[] = L"SKIN_WNDPROC";
constexpr WORD kSelectMouse = 0x8080; // MF_MOUSESELECT | MF_HILITE
constexpr WORD kSelectHilite = 0x0080;
constexpr LPARAM kAltHeld = 1 << 29;

// One frame paint at a time across all popups: painting may send messages
// that would paint again.
bool g_ncPainting = false;

// Keeps the owner's caption active while its popup has the activation.
LRESULT CALLBACK KeepCaptionProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto prev = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kOwnerProcProperty));
    if (message == WM_NCACTIVATE && wParam == 0) return 1;
    return prev ? CallWindowProcW(prev, hwnd, message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND TopLevelOf(HWND hwnd) {
    while (hwnd && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
    return hwnd;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void Triangle(HDC dc, const POINT (&points)[3]) {
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Polygon(dc, points, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

// An image drawn at its own size, centred in `square`.
void DrawCentred(HDC dc, const RECT& square, const ImageRef& image) {
    const int w = image.source.Width();
    const int h = image.source.Height();
    const int x = square.left + (square.right - square.left - w) / 2;
    const int y = square.top + (square.bottom - square.top - h) / 2;
    const RECT at{x, y, x + w, y + h};
    DrawImageRef(dc, at, image, WindowRegistry::Instance().CurrentSkin(), 0, false);
}

std::u16string_view View(const std::wstring& text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

} // namespace

SkinPopupMenu::SkinPopupMenu(HWND owner, int mode, SkinPopupMenu* parent)
    : owner_(owner), mode_(mode), parent_(parent) {
    SetObject(&defaults_);
}

SkinPopupMenu::~SkinPopupMenu() {
    CloseChild();
    if (hwnd_) {
        const HWND hwnd = hwnd_;
        DestroyWindow(hwnd);
    }
    RestoreOwnerCaption();
    if (font_) DeleteObject(font_);
}

bool SkinPopupMenu::Create() {
    const HWND parentWindow = parent_ ? parent_->Hwnd() : owner_;
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupMenuClass, L"", WS_POPUPWINDOW, 0, 0,
                                100, 100, parentWindow, nullptr, SkinEngine::Instance().Module(),
                                static_cast<EngineWindowObject*>(this));
    if (!hwnd) return false;
    hwnd_ = hwnd;
    // The design follows the display the window is on.
    SetObject(object_);
    return true;
}

const SkinMenuItemList& SkinPopupMenu::Items() const {
    return *items_;
}

SkinMenuItemList& SkinPopupMenu::MutableItems() {
    return *items_;
}

void SkinPopupMenu::Fill(HMENU menu) {
    ownItems_ = ReadMenuItems(menu);
    items_ = &ownItems_;
    tracked_ = menu;
    firstVisible_ = 0;
    current_ = -1;
}

void SkinPopupMenu::Borrow(SkinMenuItemList* items) {
    items_ = items ? items : &ownItems_;
    tracked_ = nullptr;
    firstVisible_ = 0;
    current_ = -1;
}

void SkinPopupMenu::UseObject(SkinObject* object) {
    auto* popup = dynamic_cast<PopupMenuObject*>(object);
    SetObject(popup ? static_cast<SkinObject*>(popup) : &defaults_);
    ncActive_ = true;
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

const PopupMenuObject& SkinPopupMenu::Look() const {
    return *static_cast<const PopupMenuObject*>(object_);
}

ItemMargins SkinPopupMenu::Margins() const {
    const NineGridImage& active = Look().itemActiveImage;
    return ItemMargins{active.marginLeft, active.marginTop, active.marginRight, active.marginBottom};
}

PopupFrame SkinPopupMenu::FrameBorders() const {
    return PopupFrame{design_[kPartLeft].Width(), design_[kPartRight].Width(), design_[kPartTopLeft].Height(),
                      design_[kPartBottomLeft].Height()};
}

int SkinPopupMenu::IconSize() const {
    int cx = 0;
    int cy = 0;
    if (imageMap_.normal && ImageList_GetIconSize(imageMap_.normal, &cx, &cy)) return std::max(cx, cy);
    return 0;
}

HFONT SkinPopupMenu::Font() {
    if (!font_) font_ = static_cast<HFONT>(CreateSkinFontHandle(Look().captionFont));
    return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void SkinPopupMenu::UpdateItemHeight() {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, Font());
    SIZE test{};
    GetTextExtentPoint32W(dc, L"TEST", 4, &test);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    itemHeight_ = MenuItemHeight(test.cy, IconSize(), Margins());
}

SIZE SkinPopupMenu::Measure() {
    UpdateItemHeight();
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, Font());
    SIZE spaces{};
    GetTextExtentPoint32W(dc, L"    ", 4, &spaces);
    int widest = 0;
    for (const SkinMenuItem& item : Items()) {
        SIZE size{};
        GetTextExtentPoint32W(dc, item.text.c_str(), static_cast<int>(item.text.size()), &size);
        if (item.text.find(L'\t') != std::wstring::npos) size.cx += spaces.cx;
        widest = std::max<int>(widest, size.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    const SkinRect r = PopupSize(widest, Count(), itemHeight_, Margins(), FrameBorders());
    return SIZE{r.Width(), r.Height()};
}

void SkinPopupMenu::Place(const SkinRect& screen) {
    MoveWindow(hwnd_, screen.left, screen.top, screen.Width(), screen.Height(), FALSE);
}

void SkinPopupMenu::Show() {
    ShowWindow(hwnd_, SW_SHOW);
    if (IsTopLevel() && IsWindowVisible(hwnd_)) {
        SetCapture(hwnd_);
        capturing_ = GetCapture() == hwnd_;
    }
}

void SkinPopupMenu::CloseChild() {
    if (!child_) return;
    child_->Close();
    child_.reset();
}

void SkinPopupMenu::Close() {
    CloseChild();
    KillTimer(hwnd_, kSubmenuTimer);
    if (hwnd_ && IsTopLevel()) ShowWindow(hwnd_, SW_HIDE);
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    if (items_ == &ownItems_) ownItems_.clear();
}

void SkinPopupMenu::SendMenuSelect(WPARAM wParam, LPARAM lParam) {
    if (IsWindow(owner_)) SendMessageW(owner_, WM_MENUSELECT, wParam, lParam);
}

void SkinPopupMenu::SendMenuSelectEnd() {
    SendMenuSelect(0xFFFF0000, 0);
}

void SkinPopupMenu::EndMenu() {
    if (done_) return;
    done_ = true;
    SendMenuSelectEnd();
    if (IsWindow(owner_)) PostMessageW(owner_, kWmSkinMenuEnded, 0, 0);
}

void SkinPopupMenu::PostCommand(UINT id) {
    if (IsWindow(owner_)) PostMessageW(owner_, mode_ == kSystemMenu ? WM_SYSCOMMAND : WM_COMMAND, id, 0);
}

RECT SkinPopupMenu::UpperStrip() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return RECT{0, 0, client.right, scroll_.stripHeight};
}

RECT SkinPopupMenu::LowerStrip() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return RECT{0, client.bottom - scroll_.stripHeight, client.right, client.bottom};
}

RECT SkinPopupMenu::ItemRect(int index) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int top = scroll_.stripHeight + itemHeight_ * (index - firstVisible_);
    return RECT{0, top, client.right, top + itemHeight_};
}

int SkinPopupMenu::ItemAt(POINT client) const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return PopupItemAt(client.x, client.y, r.right, r.bottom, scroll_, itemHeight_, Count(), firstVisible_);
}

void SkinPopupMenu::InvalidateItem(int index) {
    if (index < 0 || index >= Count()) return;
    const RECT r = ItemRect(index);
    InvalidateRect(hwnd_, &r, FALSE);
}

void SkinPopupMenu::EnsureVisible(int index) {
    if (!scroll_.scrolling || index < 0) return;
    if (index < firstVisible_) {
        firstVisible_ = index;
    } else if (index >= firstVisible_ + scroll_.visibleCount) {
        firstVisible_ = index - scroll_.visibleCount + 1;
    } else {
        return;
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void SkinPopupMenu::SetCurrent(int index, WORD selectFlags) {
    SkinMenuItemList& items = MutableItems();
    if (current_ >= 0 && current_ < Count()) {
        items[current_].highlighted = false;
        InvalidateItem(current_);
    }
    current_ = index;
    if (index < 0 || index >= Count()) {
        current_ = -1;
        return;
    }
    items[index].highlighted = true;
    EnsureVisible(index);
    InvalidateItem(index);
    SendMenuSelect(MAKEWPARAM(items[index].commandId & 0xFFFF, selectFlags),
                   reinterpret_cast<LPARAM>(tracked_));
}

void SkinPopupMenu::OpenSubmenu(bool fitToWorkArea) {
    if (current_ < 0 || current_ >= Count()) return;
    SkinMenuItem& item = MutableItems()[current_];
    if (!item.hasSubmenu) return;
    CloseChild();
    auto child = std::make_unique<SkinPopupMenu>(owner_, mode_, this);
    child->UseObject(object_ == &defaults_ ? nullptr : object_);
    if (!child->Create()) return;
    child->Borrow(&item.submenu);
    child->SetImageMap(imageMap_);
    const SIZE size = child->Measure();
    RECT itemRect = ItemRect(current_);
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&itemRect), 2);
    const SkinRect anchor{itemRect.left, itemRect.top, itemRect.right, itemRect.bottom};
    SkinRect placed{anchor.right, anchor.top, anchor.right + size.cx, anchor.top + size.cy};
    if (fitToWorkArea) {
        placed = PlaceSubmenu(anchor, size.cx, size.cy,
                              WorkAreaOf(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST)));
    }
    child->Place(placed);
    child_ = std::move(child);
    child_->Show();
}

bool SkinPopupMenu::MouseMove(POINT client) {
    POINT screen = client;
    ClientToScreen(hwnd_, &screen);
    if (child_ && child_->Hwnd()) {
        RECT childRect{};
        ::GetWindowRect(child_->Hwnd(), &childRect);
        if (PtInRect(&childRect, screen)) {
            POINT inChild = screen;
            ScreenToClient(child_->Hwnd(), &inChild);
            if (child_->MouseMove(inChild)) return true;
        }
    }
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const bool inside = PtInRect(&window, screen) != FALSE;
    const int hit = ItemAt(client);
    if (hit < 0) {
        bool childTook = false;
        if (child_ && child_->Hwnd()) {
            POINT inChild = screen;
            ScreenToClient(child_->Hwnd(), &inChild);
            childTook = child_->MouseMove(inChild);
        } else if (!inside && current_ >= 0) {
            SetCurrent(-1, 0);
        }
        if (!inside && mode_ == kDropDown && !childTook && IsWindow(owner_)) {
            PostMessageW(owner_, kWmSkinMenuMoveOut, 0, MAKELPARAM(screen.x, screen.y));
        }
        UpdateWindow(hwnd_);
        return inside;
    }
    if (hit != current_) {
        KillTimer(hwnd_, kSubmenuTimer);
        const bool oldHadSubmenu = current_ >= 0 && current_ < Count() && Items()[current_].hasSubmenu;
        if (oldHadSubmenu && child_) {
            CloseChild();
            SetActiveWindow(hwnd_);
        }
        SetCurrent(hit, kSelectMouse);
        SetTimer(hwnd_, kSubmenuTimer, kSubmenuDelayMs, nullptr);
    }
    UpdateWindow(hwnd_);
    return true;
}

int SkinPopupMenu::MouseDown(UINT message, POINT client) {
    POINT screen = client;
    ClientToScreen(hwnd_, &screen);
    if (child_ && child_->Hwnd()) {
        POINT inChild = screen;
        ScreenToClient(child_->Hwnd(), &inChild);
        const int result = child_->MouseDown(message, inChild);
        if (result == kClickChosen) {
            if (IsTopLevel()) EndMenu();
            return kClickChosen;
        }
        if (result == kClickInside) return kClickInside;
    } else if (scroll_.scrolling) {
        const RECT lower = LowerStrip();
        const RECT upper = UpperStrip();
        if (PtInRect(&lower, client)) {
            if (firstVisible_ + scroll_.visibleCount < Count()) ++firstVisible_;
            InvalidateRect(hwnd_, nullptr, FALSE);
            return kClickInside;
        }
        if (PtInRect(&upper, client)) {
            if (firstVisible_ > 0) --firstVisible_;
            InvalidateRect(hwnd_, nullptr, FALSE);
            return kClickInside;
        }
    }
    const int hit = ItemAt(client);
    if (hit >= 0) {
        const SkinMenuItem& item = Items()[hit];
        if (MenuItemIsSeparator(item.state) || !MenuItemEnabled(item.state) || item.hasSubmenu) {
            return kClickInside;
        }
        const UINT id = item.commandId;
        ShowWindow(hwnd_, SW_HIDE);
        if (IsTopLevel()) EndMenu();
        PostCommand(id);
        return kClickChosen;
    }
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    if (PtInRect(&window, screen)) return kClickInside;
    if (!IsTopLevel()) return kClickOutside;
    if (mode_ == kDropDown && IsWindow(owner_)) {
        PostMessageW(owner_, message == WM_RBUTTONDOWN ? kWmSkinMenuClickOut2 : kWmSkinMenuClickOut, 0,
                     MAKELPARAM(screen.x, screen.y));
    }
    EndMenu();
    return kClickOutside;
}

void SkinPopupMenu::Choose(int index) {
    if (index < 0 || index >= Count()) return;
    const SkinMenuItem& item = Items()[index];
    if (MenuItemIsSeparator(item.state) || !MenuItemEnabled(item.state)) return;
    if (item.hasSubmenu) {
        // An item that only holds a submenu opens it instead of being chosen.
        if (current_ != index) SetCurrent(index, kSelectHilite);
        OpenSubmenu(true);
        return;
    }
    SendMenuSelectEnd();
    const HWND target = parent_ ? parent_->Hwnd() : hwnd_;
    PostMessageW(target, kWmSkinMenuChoose, item.commandId, 0);
}

void SkinPopupMenu::OnKeyDown(WPARAM key) {
    switch (key) {
    case VK_RETURN:
        Choose(current_);
        break;
    case VK_ESCAPE:
    case VK_LEFT:
        SendMenuSelectEnd();
        if (parent_) {
            PostMessageW(parent_->Hwnd(), kWmSkinMenuCloseSub, 0, 0);
        } else if (key == VK_ESCAPE) {
            ShowWindow(hwnd_, SW_HIDE);
            done_ = true;
            if (IsWindow(owner_)) PostMessageW(owner_, kWmSkinMenuEnded, 0, 0);
        } else if (IsWindow(owner_)) {
            PostMessageW(owner_, kWmSkinMenuKey, VK_LEFT, 0);
        }
        break;
    case VK_UP:
    case VK_DOWN: {
        std::vector<uint32_t> states;
        for (const SkinMenuItem& item : Items()) states.push_back(item.state);
        SetCurrent(NextMenuItem(states, current_, key == VK_DOWN), kSelectHilite);
        break;
    }
    case VK_RIGHT:
        if (current_ < 0 || current_ >= Count() || !Items()[current_].hasSubmenu) {
            if (IsWindow(owner_)) PostMessageW(owner_, kWmSkinMenuKey, VK_RIGHT, 0);
        } else {
            // Opened by key as by mouse: fitted to the work area.
            OpenSubmenu(true);
        }
        break;
    default: {
        std::vector<char16_t> mnemonics;
        for (const SkinMenuItem& item : Items()) mnemonics.push_back(static_cast<char16_t>(item.mnemonic));
        Choose(MenuItemForKey(mnemonics, static_cast<char16_t>(key)));
        break;
    }
    }
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT SkinPopupMenu::OnMenuKey(WPARAM key, LPARAM flags) {
    if (!(flags & kAltHeld)) return 0;
    std::vector<char16_t> mnemonics;
    for (const SkinMenuItem& item : Items()) mnemonics.push_back(static_cast<char16_t>(item.mnemonic));
    const int index = MenuItemForKey(mnemonics, static_cast<char16_t>(key));
    if (index >= 0) {
        Choose(index);
        return 1;
    }
    if (IsWindow(owner_)) PostMessageW(owner_, kWmSkinMenuKey, key, flags);
    return 1;
}

void SkinPopupMenu::OnChoose(UINT id) {
    if (parent_) {
        PostMessageW(parent_->Hwnd(), kWmSkinMenuChoose, id, 0);
        return;
    }
    CloseChild();
    ShowWindow(hwnd_, SW_HIDE);
    if (!done_) {
        done_ = true;
        if (IsWindow(owner_)) PostMessageW(owner_, kWmSkinMenuEnded, 0, 0);
    }
    PostCommand(id);
}

void SkinPopupMenu::KeepOwnerCaption() {
    const HWND top = TopLevelOf(owner_);
    // Another popup of the same owner keeps it already.
    if (!top || GetPropW(top, kOwnerProcProperty)) return;
    const LONG_PTR prev = GetWindowLongPtrW(top, GWLP_WNDPROC);
    SetPropW(top, kOwnerProcProperty, reinterpret_cast<HANDLE>(prev));
    SetWindowLongPtrW(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeepCaptionProc));
    subclassedOwner_ = top;
}

void SkinPopupMenu::RestoreOwnerCaption() {
    const HWND top = subclassedOwner_;
    subclassedOwner_ = nullptr;
    if (!top || !IsWindow(top)) return;
    // Only when nobody subclassed it after us; otherwise the property keeps
    // our procedure passing messages on.
    if (GetWindowLongPtrW(top, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&KeepCaptionProc)) return;
    const LONG_PTR prev = reinterpret_cast<LONG_PTR>(GetPropW(top, kOwnerProcProperty));
    SetWindowLongPtrW(top, GWLP_WNDPROC, prev);
    RemovePropW(top, kOwnerProcProperty);
}

void SkinPopupMenu::OnShown(bool shown) {
    if (IsTopLevel()) {
        if (shown) {
            KeepOwnerCaption();
        } else {
            RestoreOwnerCaption();
            if (capturing_ && GetCapture() == hwnd_) {
                releasing_ = true;
                ReleaseCapture();
                releasing_ = false;
            }
            capturing_ = false;
        }
    }
    if (!shown) return;
    UpdateItemHeight();
    RECT client{};
    GetClientRect(hwnd_, &client);
    scroll_ = PopupScrollFor(client.bottom, itemHeight_, Count());
    firstVisible_ = std::clamp(firstVisible_, 0, std::max(0, Count() - scroll_.visibleCount));
    for (SkinMenuItem& item : MutableItems()) item.highlighted = false;
    current_ = -1;
}

void SkinPopupMenu::PaintNonClient() {
    if (g_ncPainting || !hwnd_) return;
    g_ncPainting = true;
    PaintOwnFrame();
    g_ncPainting = false;
}

void SkinPopupMenu::PaintItem(HDC dc, int index) {
    const SkinMenuItem& item = Items()[index];
    const PopupMenuObject& look = Look();
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    const RECT r = ItemRect(index);
    const int h = itemHeight_;
    const ItemMargins m = Margins();
    if (MenuItemIsSeparator(item.state)) {
        if (look.itemSeparatorImage.IsEmpty()) {
            RECT line{r.left, (r.top + r.bottom) / 2, r.right, (r.top + r.bottom) / 2 + 2};
            DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        } else {
            RECT band = r;
            const int imageHeight = look.itemSeparatorImage.source.Height();
            if (imageHeight < band.bottom - band.top) {
                band.top = r.top + (r.bottom - r.top - imageHeight) / 2;
                band.bottom = band.top + imageHeight;
            }
            DrawNineGrid(dc, band, look.itemSeparatorImage, skin, 0, false);
        }
        return;
    }
    const bool enabled = MenuItemEnabled(item.state);
    if (item.highlighted) {
        if (look.itemActiveImage.IsEmpty()) {
            FillSolid(dc, r, look.itemActiveColor & 0xFFFFFF);
        } else {
            DrawNineGrid(dc, r, look.itemActiveImage, skin, 0, false);
        }
    }
    RECT text{r.left + m.left + h + 1, r.top + m.top, r.right - m.right - h, r.bottom - m.bottom};
    const int effect = !enabled ? 1 : index == current_ ? 2 : 0;
    SetTextColor(dc, look.itemEffects[effect].TextColor());
    SetBkMode(dc, TRANSPARENT);
    const MenuTextParts parts = SplitMenuText(View(item.text));
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(parts.label.data()), static_cast<int>(parts.label.size()),
              &text, kFormat);
    if (parts.hasTab) {
        DrawTextW(dc, reinterpret_cast<const wchar_t*>(parts.accelerator.data()),
                  static_cast<int>(parts.accelerator.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
    const RECT left{r.left + m.left, r.top, r.left + m.left + h, r.bottom};
    if (item.state & kMenuChecked) {
        if (look.itemCheckImage.IsEmpty()) {
            const int cx = (left.left + left.right) / 2;
            const int cy = (left.top + left.bottom) / 2;
            const RECT box{cx - 3, cy - 3, cx + 3, cy + 3};
            FillSolid(dc, box, RGB(0, 0, 0));
        } else {
            DrawCentred(dc, left, look.itemCheckImage);
        }
    } else if (auto found = imageMap_.images.find(item.commandId); found != imageMap_.images.end()) {
        HIMAGELIST list = imageMap_.normal;
        if (item.highlighted && imageMap_.hot) list = imageMap_.hot;
        if (!enabled && imageMap_.disabled) list = imageMap_.disabled;
        int cx = 0;
        int cy = 0;
        if (list && ImageList_GetIconSize(list, &cx, &cy)) {
            ImageList_DrawEx(list, found->second, dc, left.left + (h - cx) / 2, left.top + (h - cy) / 2, cx,
                             cy, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
        }
    }
    if (item.hasSubmenu) {
        const int right = r.right - m.right;
        if (look.itemSubmenu.IsEmpty()) {
            const int mid = (r.top + r.bottom) / 2;
            const POINT arrow[3] = {{right - 8, mid - 4}, {right - 8, mid + 4}, {right - 4, mid}};
            Triangle(dc, arrow);
        } else {
            DrawCentred(dc, RECT{right - h, r.top, right, r.bottom}, look.itemSubmenu);
        }
    }
}

void SkinPopupMenu::Paint() {
    PaintOwnClient([this](HDC dc, const RECT& client) {
        HGDIOBJ oldFont = SelectObject(dc, Font());
        PaintClientBackground(dc, true);
        const int last = std::min(Count(), firstVisible_ + scroll_.visibleCount);
        for (int i = firstVisible_; i < last; ++i) PaintItem(dc, i);
        if (scroll_.scrolling) {
            const int c = client.right / 2;
            const POINT up[3] = {{c - 4, 4}, {c, 0}, {c + 4, 4}};
            Triangle(dc, up);
            const int b = client.bottom;
            const POINT down[3] = {{c - 4, b - 5}, {c + 4, b - 5}, {c, b - 1}};
            Triangle(dc, down);
        }
        SelectObject(dc, oldFont);
    });
}

LRESULT SkinPopupMenu::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hwnd_) hwnd_ = hwnd;
    switch (message) {
    case WM_NCCALCSIZE:
        return OwnFrameCalcSize(wParam, lParam);
    case WM_NCPAINT:
        PaintNonClient();
        return 0;
    case WM_NCACTIVATE:
        PaintNonClient();
        return 1;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SHOWWINDOW:
        OnShown(wParam != 0);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_DRAWITEM:
        return IsWindow(owner_) ? SendMessageW(owner_, message, wParam, lParam) : 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_CHAR:
        return 0;
    case WM_TIMER:
        if (wParam == kSubmenuTimer) {
            KillTimer(hwnd, kSubmenuTimer);
            if (current_ >= 0 && current_ < Count() && Items()[current_].hasSubmenu) OpenSubmenu(true);
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_MOUSEMOVE:
        MouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        MouseDown(message, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CANCELMODE:
        // Something else takes the input (a message box, a system dialog).
        if (IsTopLevel()) EndMenu();
        return 0;
    case WM_CAPTURECHANGED:
        // Losing the mouse to another window ends the menu like a click away.
        if (IsTopLevel() && capturing_ && !releasing_ && reinterpret_cast<HWND>(lParam) != hwnd) {
            capturing_ = false;
            EndMenu();
        }
        return 0;
    case kWmSkinMenuCloseSub:
        if (current_ >= 0 && current_ < Count() && Items()[current_].hasSubmenu && child_) {
            CloseChild();
            SetActiveWindow(hwnd);
        }
        return 0;
    case kWmSkinMenuChoose:
        OnChoose(static_cast<UINT>(wParam));
        return 0;
    case kWmSkinMenuKey:
        return OnMenuKey(wParam, lParam);
    case WM_DESTROY:
        KillTimer(hwnd, kSubmenuTimer);
        // Destroyed while visible: the owner gets its procedure back all the same.
        RestoreOwnerCaption();
        if (capturing_ && GetCapture() == hwnd) {
            releasing_ = true;
            ReleaseCapture();
            releasing_ = false;
        }
        capturing_ = false;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        hwnd_ = nullptr;
        return result;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
