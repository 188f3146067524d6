#include "SkinMenuBar.h"

#include <algorithm>

#include "FrameElementObjects.h"
#include "ImageDraw.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "SkinFontHandle.h"
#include "SkinMenus.h"
#include "SkinMessages.h"
#include "SkinPopupMenu.h"
#include "SkinWnd.h"
#include "WindowFrameObjects.h"
#include "WindowRegistry.h"
#include "WorkArea.h"

namespace {

constexpr int kPopupMenuType = 17;
constexpr UINT kHoverPollMs = 100;
constexpr LPARAM kRepeat = 1 << 30;
constexpr LPARAM kReleased = static_cast<LPARAM>(1u << 31);

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

RECT Inset(const RECT& r, const NineGridImage& grid) {
    return RECT{r.left + grid.marginLeft, r.top + grid.marginTop, r.right - grid.marginRight,
                r.bottom - grid.marginBottom};
}

} // namespace

SkinMenuBar::SkinMenuBar(SkinWnd& frame) : frame_(frame) {}

SkinMenuBar::~SkinMenuBar() {
    StopHoverTimer();
    if (popup_) popup_->Close();
}

void SkinMenuBar::SetObject(const MenuBarObject* look) {
    look_ = look;
    measuredWidth_ = -1;
    for (Item& item : items_) item.textSize = SIZE{};
}

void SkinMenuBar::SetMenu(HMENU menu) {
    CloseDropDown();
    LeaveKeyboard();
    items_.clear();
    hot_ = -1;
    menu_ = menu && IsMenu(menu) ? menu : nullptr;
    measuredWidth_ = -1;
    if (!menu_) return;
    const int count = GetMenuItemCount(menu_);
    for (int position = 0; position < count; ++position) {
        wchar_t text[400] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = text;
        info.cch = ARRAYSIZE(text) - 1;
        if (!GetMenuItemInfoW(menu_, static_cast<UINT>(position), TRUE, &info) || !text[0]) continue;
        Item item;
        item.text = text;
        item.mnemonic = static_cast<wchar_t>(MenuMnemonic(
            std::u16string_view(reinterpret_cast<const char16_t*>(item.text.c_str()), item.text.size())));
        item.commandId = GetMenuItemID(menu_, position);
        item.position = position;
        item.submenu = GetSubMenu(menu_, position);
        item.enabled = MenuItemEnabled(GetMenuState(menu_, static_cast<UINT>(position), MF_BYPOSITION));
        items_.push_back(std::move(item));
    }
}

ItemMargins SkinMenuBar::Inner() const {
    if (!look_) return ItemMargins{};
    const NineGridImage& b = look_->background;
    return ItemMargins{b.marginLeft, b.marginTop, b.marginRight, b.marginBottom};
}

void SkinMenuBar::Measure() {
    HDC dc = GetDC(nullptr);
    HFONT font = look_ ? static_cast<HFONT>(CreateSkinFontHandle(look_->font)) : nullptr;
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    for (Item& item : items_) {
        RECT r{0, 0, 0, 0};
        DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
        item.textSize = SIZE{r.right, r.bottom};
    }
    SelectObject(dc, old);
    if (font) DeleteObject(font);
    ReleaseDC(nullptr, dc);
}

int SkinMenuBar::Height(int windowWidth, int leftBorder, int rightBorder) {
    bool maximized = false;
    frame_.ActiveMdiChild(&maximized);
    const bool changed = maximized != mdiMaximized_;
    mdiMaximized_ = maximized;
    if (!maximized) mdiHover_ = mdiPressed_ = -1;
    if (!menu_ || items_.empty()) return 0;
    const int width = std::max(0, windowWidth - leftBorder - rightBorder);
    if (width == measuredWidth_ && !changed) return layout_.height;
    if (items_.front().textSize.cy == 0) Measure();
    NineGridImage none{};
    const NineGridImage& hot = look_ ? look_->hotImage : none;
    const NineGridImage& dropped = look_ ? look_->droppedImage : none;
    std::vector<FrameSize> sizes;
    for (const Item& item : items_) {
        sizes.push_back(FrameSize{item.textSize.cx + std::max(hot.marginLeft, dropped.marginLeft) +
                                      std::max(hot.marginRight, dropped.marginRight),
                                  item.textSize.cy + std::max(hot.marginTop, dropped.marginTop) +
                                      std::max(hot.marginBottom, dropped.marginBottom)});
    }
    layout_ = LayoutMenuBar(sizes, width, Inner(), mdiMaximized_);
    measuredWidth_ = width;
    return layout_.height;
}

void SkinMenuBar::Layout(const RECT& bar) {
    rect_ = bar;
    for (size_t i = 0; i < items_.size() && i < layout_.items.size(); ++i) {
        const SkinRect& r = layout_.items[i];
        items_[i].rect = RECT{bar.left + r.left, bar.top + r.top, bar.left + r.right, bar.top + r.bottom};
    }
    for (RECT& r : mdiRects_) r = RECT{};
    if (!mdiMaximized_ || IsRectEmpty(&bar) || layout_.rows <= 0) return;
    // The icon in the first row, the three buttons at the end of the last.
    const ItemMargins inner = Inner();
    const int rowStep = (layout_.height - inner.top - inner.bottom) / layout_.rows;
    const int width = bar.right - bar.left;
    const MdiButtonRects first = PlaceMdiButtons(width, inner.top, rowStep, inner);
    const MdiButtonRects last =
        PlaceMdiButtons(width, inner.top + rowStep * (layout_.rows - 1), rowStep, inner);
    const SkinRect placed[kMdiButtonCount] = {first.icon, last.minimize, last.restore, last.close};
    for (int b = 0; b < kMdiButtonCount; ++b) {
        const SkinRect& r = placed[b];
        mdiRects_[b] = RECT{bar.left + r.left, bar.top + r.top, bar.left + r.right, bar.top + r.bottom};
    }
}

bool SkinMenuBar::MdiStateStale() const {
    bool maximized = false;
    frame_.ActiveMdiChild(&maximized);
    return maximized != mdiMaximized_;
}

RECT SkinMenuBar::MdiButtonRect(int button) const {
    return button >= 0 && button < kMdiButtonCount && mdiMaximized_ ? mdiRects_[button] : RECT{};
}

int SkinMenuBar::MdiButtonAt(POINT p) const {
    if (!mdiMaximized_) return -1;
    for (int b = 0; b < kMdiButtonCount; ++b) {
        if (PtInRect(&mdiRects_[b], p)) return b;
    }
    return -1;
}

void SkinMenuBar::PaintMdiButtons(HDC dc) {
    bool maximized = false;
    const HWND child = frame_.ActiveMdiChild(&maximized);
    if (!child || !maximized) return;
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    for (int b = 0; b < kMdiButtonCount; ++b) {
        const RECT& r = mdiRects_[b];
        if (IsRectEmpty(&r)) continue;
        const int state = b == mdiPressed_ ? 2 : b == mdiHover_ ? 1 : 0;
        const ImageRef* image = nullptr;
        if (look_) {
            image = &look_->mdiButtons[b * MenuBarObject::kMdiStateCount + state];
            if (image->IsEmpty()) image = &look_->mdiButtons[b * MenuBarObject::kMdiStateCount];
            if (image->IsEmpty()) image = nullptr;
        }
        if (image) {
            DrawImageRef(dc, r, *image, skin, 0, false);
        } else if (b == kMdiIcon) {
            // A skin without pictures shows what the system would: the
            // child's own icon and the caption buttons' look.
            HICON icon = reinterpret_cast<HICON>(SendMessageW(child, WM_GETICON, ICON_SMALL, 0));
            if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(child, GCLP_HICONSM));
            if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(child, GCLP_HICON));
            if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
            DrawIconEx(dc, r.left, r.top, icon, r.right - r.left, r.bottom - r.top, 0, nullptr, DI_NORMAL);
        } else {
            static const UINT kGlyph[] = {0, DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
            RECT glyph = r;
            DrawFrameControl(dc, &glyph, DFC_CAPTION,
                             kGlyph[b] | (state == 2 ? DFCS_PUSHED : 0) | (state == 1 ? DFCS_HOT : 0));
        }
    }
}

void SkinMenuBar::SetMdiLook(int hover, int pressed) {
    if (hover == mdiHover_ && pressed == mdiPressed_) return;
    mdiHover_ = hover;
    mdiPressed_ = pressed;
    Repaint();
}

bool SkinMenuBar::MouseUp(POINT p) {
    if (mdiPressed_ < 0) return false;
    const int pressed = mdiPressed_;
    SetMdiLook(MdiButtonAt(p), -1);
    if (MdiButtonAt(p) != pressed) return true;
    bool maximized = false;
    const HWND child = frame_.ActiveMdiChild(&maximized);
    if (!child || !maximized) return true;
    switch (pressed) {
    case kMdiMinimize:
        SendMessageW(child, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case kMdiRestore:
        SendMessageW(GetParent(child), WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
        break;
    case kMdiClose:
        SendMessageW(child, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    default:
        break;
    }
    return true;
}

RECT SkinMenuBar::ItemRect(int index) const {
    return index >= 0 && index < Count() ? items_[index].rect : RECT{};
}

int SkinMenuBar::ItemAt(POINT p) const {
    for (int i = 0; i < Count(); ++i) {
        if (PtInRect(&items_[i].rect, p)) return i;
    }
    return -1;
}

void SkinMenuBar::Paint(HDC dc) {
    if (IsRectEmpty(&rect_) || !look_) return;
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    const auto* frame = dynamic_cast<const WindowFrameObject*>(frame_.Object());
    Fill(dc, rect_, frame ? frame->clientColor & 0xFFFFFF : GetSysColor(COLOR_MENU));
    if (!look_->background.IsEmpty()) DrawNineGrid(dc, rect_, look_->background, skin, 0, false);
    HFONT font = static_cast<HFONT>(CreateSkinFontHandle(look_->font));
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < Count(); ++i) {
        const Item& item = items_[i];
        RECT text = item.rect;
        const TextEffect* effect = &look_->normalText;
        if (!item.enabled) {
            effect = &look_->disabledText;
        } else if (i == dropped_ || i == hot_) {
            const bool dropped = i == dropped_;
            const NineGridImage& image = dropped ? look_->droppedImage : look_->hotImage;
            Fill(dc, item.rect, (dropped ? look_->droppedColor : look_->hotColor) & 0xFFFFFF);
            if (!image.IsEmpty()) DrawNineGrid(dc, item.rect, image, skin, 0, false);
            text = Inset(item.rect, image);
            effect = dropped ? &look_->droppedText : &look_->hotText;
        }
        SetTextColor(dc, effect->TextColor());
        DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    SelectObject(dc, old);
    if (font) DeleteObject(font);
    if (mdiMaximized_) PaintMdiButtons(dc);
}

void SkinMenuBar::Repaint() {
    const HWND hwnd = frame_.Hwnd();
    const int w = rect_.right - rect_.left;
    const int h = rect_.bottom - rect_.top;
    if (!hwnd || w <= 0 || h <= 0 || !IsWindowVisible(hwnd)) return;
    HDC windowDc = GetWindowDC(hwnd);
    HDC buffer = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, w, h);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    SetViewportOrgEx(buffer, -rect_.left, -rect_.top, nullptr);
    Paint(buffer);
    SetViewportOrgEx(buffer, 0, 0, nullptr);
    BitBlt(windowDc, rect_.left, rect_.top, w, h, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    ReleaseDC(hwnd, windowDc);
}

void SkinMenuBar::SetHot(int index) {
    if (index == hot_) return;
    hot_ = index;
    Repaint();
}

void SkinMenuBar::StartHoverTimer() {
    if (!hoverTimer_) hoverTimer_ = frame_.NewTimerId();
    SetTimer(frame_.Hwnd(), hoverTimer_, kHoverPollMs, nullptr);
}

void SkinMenuBar::StopHoverTimer() {
    if (hoverTimer_ && frame_.Hwnd()) KillTimer(frame_.Hwnd(), hoverTimer_);
}

bool SkinMenuBar::OnTimer(UINT_PTR id) {
    if (!hoverTimer_ || id != hoverTimer_) return false;
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT window{};
    GetWindowRect(frame_.Hwnd(), &window);
    const POINT p{cursor.x - window.left, cursor.y - window.top};
    if (ItemAt(p) < 0 && dropped_ < 0 && !keyboard_) {
        StopHoverTimer();
        SetHot(-1);
    }
    return true;
}

void SkinMenuBar::Drop(int index) {
    CloseDropDown();
    if (index < 0 || index >= Count() || !items_[index].submenu) return;
    const Item& item = items_[index];
    const HWND hwnd = frame_.Hwnd();
    SendMessageW(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(item.submenu), item.position);
    auto popup = std::make_unique<SkinPopupMenu>(hwnd, SkinPopupMenu::kDropDown);
    popup->UseObject(WindowRegistry::Instance().CurrentSkin().FindObjectByType(kPopupMenuType));
    if (!popup->Create()) return;
    popup->Fill(item.submenu);
    popup->SetImageMap(imageMap_);
    const SIZE size = popup->Measure();
    RECT screen = items_[index].rect;
    RECT window{};
    GetWindowRect(hwnd, &window);
    OffsetRect(&screen, window.left, window.top);
    popup->Place(PlaceDropDown(SkinRect{screen.left, screen.top, screen.right, screen.bottom}, size.cx,
                               size.cy, WorkAreaOf(MonitorFromRect(&screen, MONITOR_DEFAULTTONEAREST))));
    dropped_ = index;
    hot_ = index;
    popup_ = std::move(popup);
    Repaint();
    popup_->Show();
}

void SkinMenuBar::CloseDropDown() {
    if (popup_) {
        popup_->Close();
        popup_.reset();
    }
    if (dropped_ >= 0) {
        dropped_ = -1;
        Repaint();
    }
}

void SkinMenuBar::MouseDown(POINT p) {
    if (const int button = MdiButtonAt(p); button >= 0) {
        CloseDropDown();
        bool maximized = false;
        const HWND child = frame_.ActiveMdiChild(&maximized);
        if (!child || !maximized) return;
        if (button == kMdiIcon) {
            // The menu loop may take the child (and the frame) away.
            const HWND frame = frame_.Hwnd();
            SkinShowSystemMenu(child);
            if (IsWindow(frame))
                RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
            return;
        }
        SetMdiLook(button, button);
        return;
    }
    const int index = ItemAt(p);
    if (index < 0 || !items_[index].enabled) {
        CloseDropDown();
        return;
    }
    if (index == dropped_) {
        CloseDropDown();
        SetHot(index);
        StartHoverTimer();
        return;
    }
    CloseDropDown();
    if (items_[index].submenu) {
        Drop(index);
    } else {
        LeaveKeyboard();
        SetHot(-1);
        PostMessageW(frame_.Hwnd(), WM_COMMAND, items_[index].commandId, 0);
    }
}

void SkinMenuBar::MouseMove(POINT p) {
    if (mdiMaximized_) {
        const int button = MdiButtonAt(p);
        // A pressed button keeps its look only under the cursor.
        SetMdiLook(button == kMdiIcon ? -1 : button, mdiPressed_ >= 0 && button == mdiPressed_ ? button : -1);
    }
    const int index = ItemAt(p);
    if (index >= 0 && items_[index].enabled) {
        if (index == dropped_) return;
        if (dropped_ >= 0) {
            if (items_[index].submenu) {
                Drop(index);
            } else {
                CloseDropDown();
                SetHot(index);
            }
            return;
        }
        SetHot(index);
        StartHoverTimer();
        return;
    }
    if (dropped_ < 0 && !keyboard_) SetHot(-1);
}

void SkinMenuBar::OnMenuEnded() {
    // A drop-down replaced meanwhile is still running: only the one that
    // ended goes.
    if (popup_ && !popup_->Done()) return;
    CloseDropDown();
    LeaveKeyboard();
    SetHot(-1);
}

void SkinMenuBar::EnterKeyboard(int index) {
    if (index < 0) return;
    if (!keyboard_) {
        keyboard_ = true;
        savedFocus_ = GetFocus();
        SetFocus(frame_.Hwnd());
    }
    SetHot(index);
}

void SkinMenuBar::LeaveKeyboard() {
    if (!keyboard_) return;
    keyboard_ = false;
    SetHot(-1);
    const HWND focus = savedFocus_;
    savedFocus_ = nullptr;
    if (focus && IsWindow(focus) && GetFocus() == frame_.Hwnd()) SetFocus(focus);
}

void SkinMenuBar::OnFocusLost() {
    // Focus going to the drop-down keeps the keyboard on the menus.
    if (keyboard_ && !popup_) {
        keyboard_ = false;
        savedFocus_ = nullptr;
        SetHot(-1);
    }
}

int SkinMenuBar::ItemForMnemonic(wchar_t key) const {
    std::vector<char16_t> mnemonics;
    for (const Item& item : items_)
        mnemonics.push_back(item.enabled ? static_cast<char16_t>(item.mnemonic) : 0);
    return MenuItemForKey(mnemonics, static_cast<char16_t>(key));
}

std::vector<bool> SkinMenuBar::EnabledFlags() const {
    std::vector<bool> enabled;
    for (const Item& item : items_) enabled.push_back(item.enabled);
    return enabled;
}

LRESULT SkinMenuBar::Key(WPARAM key, LPARAM flags) {
    if (!menu_ || items_.empty()) return 0;
    if (key == VK_F10 || key == static_cast<WPARAM>(-1)) {
        // Alt is seen pressed only; F10 both ways, acted on when pressed.
        if ((flags & kReleased) || (flags & kRepeat)) return 1;
        if (InMenuMode()) {
            CloseDropDown();
            LeaveKeyboard();
        } else {
            EnterKeyboard(NextBarItem(EnabledFlags(), -1, true));
        }
        return 1;
    }
    if (flags & kReleased) return 0;
    if (key == VK_LEFT || key == VK_RIGHT) {
        // Sent back by a drop-down that cannot move further that way.
        if (dropped_ < 0) return 0;
        const int next = NextBarItem(EnabledFlags(), dropped_, key == VK_RIGHT);
        if (next >= 0 && items_[next].submenu) {
            Drop(next);
        } else if (next >= 0) {
            CloseDropDown();
            EnterKeyboard(next);
        }
        return 1;
    }
    if (forwardedKey_ && key == forwardedKey_) {
        forwardedKey_ = 0;
        return 0;
    }
    const int index = ItemForMnemonic(static_cast<wchar_t>(key));
    if (index >= 0) {
        if (items_[index].submenu) {
            if (!keyboard_) EnterKeyboard(index);
            Drop(index);
        } else {
            CloseDropDown();
            LeaveKeyboard();
            PostMessageW(frame_.Hwnd(), WM_COMMAND, items_[index].commandId, 0);
        }
        return 1;
    }
    if (popup_ && popup_->Hwnd()) {
        forwardedKey_ = key;
        return SendMessageW(popup_->Hwnd(), kWmSkinMenuKey, key, flags);
    }
    return 0;
}

bool SkinMenuBar::OnKeyDown(WPARAM key) {
    if (!keyboard_ || popup_) return false;
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
        SetHot(NextBarItem(EnabledFlags(), hot_, key == VK_RIGHT));
        return true;
    case VK_DOWN:
    case VK_RETURN:
        if (hot_ >= 0 && items_[hot_].submenu) {
            Drop(hot_);
        } else if (hot_ >= 0) {
            const UINT id = items_[hot_].commandId;
            LeaveKeyboard();
            PostMessageW(frame_.Hwnd(), WM_COMMAND, id, 0);
        }
        return true;
    case VK_ESCAPE:
        LeaveKeyboard();
        return true;
    default:
        return Key(key, 0) != 0;
    }
}
