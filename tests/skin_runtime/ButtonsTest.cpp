// Skinned push buttons, check boxes, radio buttons and group boxes under
// Wine with the version-6 common controls: the look of every state (one
// solid colour per state and image), clicks and their notifications, check
// cycles, radio groups, and what the skinners leave to the controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

#include "ButtonDialogs.h"
#include "ButtonObjects.h"
#include "DibImage.h"
#include "ImageObject.h"
#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinEntries.h"
#include "SkinWnd.h"
#include "TestSkins.h"
#include "TestWindows.h"

namespace {

using testwin::ButtonItem;
using testwin::ClicksOf;
using testwin::CloseColour;
using testwin::Pump;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kCaptionColour = RGB(250, 210, 40);
constexpr COLORREF kFrameColour = RGB(10, 120, 60);
constexpr int kGlyph = 13;

COLORREF PushColour(int state) {
    return RGB(230, 30 + state * 35, 20);
}
COLORREF BackColour(int look) {
    return RGB(20, 30 + look * 30, 240);
}
COLORREF GlyphColour(int look) {
    return RGB(30 + look * 30, 230, 60);
}
COLORREF DialogColour() {
    return testskin::ActiveColour(4);
}

std::unique_ptr<ImageObject> Image(const char* name, const DibImage& pixels) {
    std::vector<uint8_t> bytes;
    pixels.Encode(1, &bytes);
    auto image = std::make_unique<ImageObject>();
    image->SetName(name);
    image->SetEncoded(bytes, 1);
    return image;
}

// Square blocks side by side; block `cornerBlock` has a magenta top-left
// pixel.
DibImage Blocks(const std::vector<COLORREF>& colours, int block, int cornerBlock = -1) {
    DibImage image;
    image.Create(static_cast<int>(colours.size()) * block, block, 24, 1);
    for (size_t i = 0; i < colours.size(); ++i) {
        for (int y = 0; y < block; ++y) {
            for (int x = 0; x < block; ++x) image.SetColor(static_cast<int>(i) * block + x, y, colours[i]);
        }
    }
    if (cornerBlock >= 0) image.SetColor(cornerBlock * block, 0, kMagenta);
    return image;
}

NineGridImage Grid(const char* name, int left, int size, int margin) {
    NineGridImage grid;
    grid.SetName(name);
    grid.source = SkinRect{left, 0, left + size, size};
    grid.marginLeft = grid.marginTop = grid.marginRight = grid.marginBottom = margin;
    grid.stretchMode = 1;
    return grid;
}

// A check box or radio object; the HIGHLIGHTEDSELECTED background and the
// GRAYEDSELECTED glyph are left empty to fall back.
std::unique_ptr<SkinObject> GlyphObject(int type, const char* name) {
    auto object = CreateSkinObject(type);
    object->SetName(name);
    auto* check = static_cast<CheckBoxObject*>(object.get());
    for (int look = 0; look < CheckBoxObject::StateCount; ++look) {
        auto& state = check->states[look];
        if (look != CheckBoxObject::HighlightedSelected) {
            // The background record runs on into the 16 bytes after it.
            const NineGridImage grid = Grid("backs", look * 8, 8, 0);
            static_assert(sizeof grid == sizeof state.background + sizeof state.backgroundTail);
            std::memcpy(static_cast<void*>(&state.background), &grid, sizeof grid);
        }
        if (look != CheckBoxObject::GrayedSelected) {
            state.box.SetName("glyphs");
            state.box.source = SkinRect{look * kGlyph, 0, (look + 1) * kGlyph, kGlyph};
        }
    }
    return object;
}

struct SkinChoice {
    bool buttonFont = false; // the push-button object sets a font of its own
    bool withButtons = true; // button objects at all
};

std::wstring ButtonSkin(const SkinChoice& choice, const wchar_t* file) {
    std::unique_ptr<Skin> skin = testskin::Build({});
    if (choice.withButtons) {
        std::vector<COLORREF> push, backs, glyphs;
        for (int s = 0; s < PushButtonObject::StateCount; ++s) push.push_back(PushColour(s));
        for (int l = 0; l < CheckBoxObject::StateCount; ++l) {
            backs.push_back(BackColour(l));
            glyphs.push_back(GlyphColour(l));
        }
        skin->PutImage(Image("push", Blocks(push, 8, PushButtonObject::Normal)));
        skin->PutImage(Image("backs", Blocks(backs, 8)));
        skin->PutImage(Image("glyphs", Blocks(glyphs, kGlyph)));
        DibImage frame = Blocks({kFrameColour}, 12);
        for (int y = 3; y < 9; ++y) {
            for (int x = 3; x < 9; ++x) frame.SetColor(x, y, kMagenta);
        }
        skin->PutImage(Image("frame", frame));

        auto button = CreateSkinObject(4);
        button->SetName("Button");
        auto* push4 = static_cast<PushButtonObject*>(button.get());
        for (int s = 0; s < PushButtonObject::StateCount; ++s)
            push4->states[s].image = Grid("push", s * 8, 8, 0);
        if (choice.buttonFont) {
            push4->font = SkinFont::Default("Arial");
            push4->font.height = -19;
            push4->autoSkinFont = 1;
        }
        skin->PutObject(std::move(button));
        skin->PutObject(GlyphObject(5, "Check"));
        skin->PutObject(GlyphObject(11, "Radio"));
        auto group = CreateSkinObject(8);
        group->SetName("Group");
        auto* box = static_cast<GroupBoxObject*>(group.get());
        box->mainImage = Grid("frame", 0, 12, 3);
        box->captionColor = kCaptionColour;
        skin->PutObject(std::move(group));
    }
    return testskin::WriteSkin(*skin, file);
}

POINT ScreenPoint(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

// The real cursor over a point of the window (hover tracking needs it).
void MoveCursor(HWND hwnd, int x, int y) {
    const POINT p = ScreenPoint(hwnd, x, y);
    SetCursorPos(p.x, p.y);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    Pump(30);
}

void CursorAway() {
    SetCursorPos(1, 1);
    Pump(30);
}

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

COLORREF Pixel(HWND hwnd, int x, int y) {
    Pump();
    return testwin::WindowPixel(hwnd, x, y);
}

class Buttons : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        ASSERT_TRUE(SkinLoadFile(ButtonSkin({}, L"buttons.tvf").c_str()));
        ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
        CursorAway();
        testwin::Notifications().clear();
    }
    void TearDown() override {
        ReleaseCapture();
        for (HWND h : dialogs_) DestroyWindow(h);
        SkinShutdown();
    }
    HWND Dialog(const std::vector<ButtonItem>& buttons, const std::set<int>& skipped = {}) {
        HWND dialog = testwin::CreateButtonDialog(240, 140, buttons, skipped);
        dialogs_.push_back(dialog);
        Pump(30);
        return dialog;
    }
    void Close(HWND dialog) {
        ReleaseCapture();
        DestroyWindow(dialog);
        dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
    }
    std::vector<HWND> dialogs_;
};

// Target button id 1 (80 x 24 at 10,10), a push button id 2 to take the
// focus.
constexpr RECT kTarget{10, 10, 90, 34};
const ButtonItem kOther{BS_PUSHBUTTON, {150, 100, 220, 124}, 2};

// Messages sent to the button in turn; pseudo-messages move the focus, the
// capture or the cursor, or disable the button.
constexpr UINT kFocusButton = WM_APP + 1;
constexpr UINT kFocusOther = WM_APP + 2;
constexpr UINT kCaptureElsewhere = WM_APP + 3;
constexpr UINT kHover = WM_APP + 4;
constexpr UINT kDisable = WM_APP + 5;
struct Step {
    UINT message;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

void Play(HWND button, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        if (s.message == kFocusButton) {
            SetFocus(button);
        } else if (s.message == kFocusOther) {
            SetFocus(GetDlgItem(GetParent(button), 2));
        } else if (s.message == kHover) {
            MoveCursor(button, 40, 10);
        } else if (s.message == kDisable) {
            EnableWindow(button, FALSE);
        } else if (s.message == kCaptureElsewhere) {
            SetCapture(GetParent(button));
            ReleaseCapture();
        } else {
            SendMessageW(button, s.message, s.wParam, s.lParam);
        }
    }
}

const Step kDown{WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5)};
const Step kUp{WM_LBUTTONUP, 0, At(5, 5)};
const Step kOut{WM_MOUSEMOVE, MK_LBUTTON, At(-20, 5)};
const Step kIn{WM_MOUSEMOVE, MK_LBUTTON, At(6, 6)};
const Step kCheck{BM_SETCHECK, BST_CHECKED};

TEST_F(Buttons, PushButtonShowsTheImageOfItsState) {
    using B = PushButtonObject;
    struct Case {
        const char* what;
        DWORD style;
        std::vector<Step> steps;
        int state;
    };
    const Case cases[] = {
        {"normal", BS_PUSHBUTTON, {{kFocusOther}}, B::Normal},
        {"default", BS_DEFPUSHBUTTON, {{kFocusOther}}, B::Default},
        {"focused default", BS_DEFPUSHBUTTON, {{kFocusButton}}, B::Focused},
        {"hover before focus", BS_PUSHBUTTON, {{kFocusButton}, {kHover}}, B::Highlighted},
        {"mouse held", BS_PUSHBUTTON, {kDown}, B::Pressed},
        {"held, dragged out", BS_PUSHBUTTON, {kDown, kOut}, B::Focused},
        {"dragged back in", BS_PUSHBUTTON, {kDown, kOut, kIn}, B::Pressed},
        {"space held", BS_PUSHBUTTON, {{kFocusButton}, {WM_KEYDOWN, VK_SPACE}}, B::Pressed},
        {"BM_SETSTATE", BS_PUSHBUTTON, {{kFocusOther}, {BM_SETSTATE, TRUE}}, B::Pressed},
        {"disabled", BS_DEFPUSHBUTTON, {{kDisable}}, B::Disabled},
    };
    for (const auto& c : cases) {
        HWND dialog = Dialog({{c.style, kTarget, 1}, kOther});
        HWND button = GetDlgItem(dialog, 1);
        Play(button, c.steps);
        EXPECT_TRUE(CloseColour(Pixel(button, 40, 12), PushColour(c.state)))
            << c.what << ": " << std::hex << Pixel(button, 40, 12);
        Close(dialog);
        CursorAway();
    }
}

TEST_F(Buttons, PushButtonIsShapedByTheMagentaOfItsNormalImage) {
    HWND dialog = Dialog({{BS_PUSHBUTTON, kTarget, 1}});
    HWND button = GetDlgItem(dialog, 1);
    for (SIZE size : {SIZE{80, 24}, SIZE{160, 40}}) {
        SetWindowPos(button, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(button, region), ERROR) << size.cx;
        // The magenta pixel is stretched over one eighth of each side.
        EXPECT_FALSE(PtInRegion(region, 0, 0));
        EXPECT_FALSE(PtInRegion(region, size.cx / 8 - 1, size.cy / 8 - 1));
        EXPECT_TRUE(PtInRegion(region, size.cx / 8, 0));
        EXPECT_TRUE(PtInRegion(region, size.cx - 1, size.cy - 1));
        DeleteObject(region);
    }
}

TEST_F(Buttons, ImageButtonsShowTheirBitmapCentredOrOnlyTheStateImage) {
    HWND dialog = Dialog({{BS_BITMAP, kTarget, 1}, {BS_ICON, {10, 40, 90, 64}, 3}});
    HWND bitmapButton = GetDlgItem(dialog, 1);
    const COLORREF picture = RGB(90, 20, 160);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 10, 10);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT all{0, 0, 10, 10};
    HBRUSH brush = CreateSolidBrush(picture);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SelectObject(memory, old);
    DeleteDC(memory);
    SendMessageW(bitmapButton, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    SetFocus(GetDlgItem(dialog, 3));
    EXPECT_TRUE(CloseColour(Pixel(bitmapButton, 40, 12), picture)); // 35..45 x 7..17
    EXPECT_TRUE(CloseColour(Pixel(bitmapButton, 33, 12), PushColour(PushButtonObject::Normal)));
    // No icon set: the state image alone.
    EXPECT_TRUE(CloseColour(Pixel(GetDlgItem(dialog, 3), 40, 12), PushColour(PushButtonObject::Focused)));
    Close(dialog);
    DeleteObject(bitmap);
}

// Background and glyph looks of check boxes and radio buttons: the
// background is sampled at the right end, the glyph at its centre.
TEST_F(Buttons, CheckBoxAndRadioLooksWithTheirFallbacks) {
    using C = CheckBoxObject;
    struct Case {
        const char* what;
        std::vector<Step> steps;
        int background, checkGlyph, radioGlyph;
    };
    const Case cases[] = {
        {"unchecked", {{kFocusOther}}, C::Normal, C::Normal, C::Normal},
        {"checked", {{kFocusOther}, kCheck}, C::Selected, C::Selected, C::Selected},
        {"focused", {{kFocusButton}}, C::HighlightedNormal, C::HighlightedNormal, C::HighlightedNormal},
        {"checked, hovered (empty background: SELECTED's)",
         {{kFocusOther}, kCheck, {kHover}},
         C::Selected,
         C::HighlightedSelected,
         C::HighlightedSelected},
        {"disabled, checked (empty glyph falls back by kind)",
         {kCheck, {kDisable}},
         C::GrayedSelected,
         C::Disabled,
         C::Selected},
        {"disabled", {{kDisable}}, C::GrayedNormal, C::GrayedNormal, C::GrayedNormal},
    };
    for (DWORD style : {DWORD(BS_AUTOCHECKBOX), DWORD(BS_AUTORADIOBUTTON)}) {
        const bool checkBox = style == BS_AUTOCHECKBOX;
        for (const auto& c : cases) {
            HWND dialog = Dialog({{style, {10, 10, 130, 30}, 1}, kOther});
            HWND button = GetDlgItem(dialog, 1);
            Play(button, c.steps);
            const int glyph = checkBox ? c.checkGlyph : c.radioGlyph;
            EXPECT_TRUE(CloseColour(Pixel(button, 116, 3), BackColour(c.background)))
                << (checkBox ? "check box " : "radio ") << c.what << ": " << std::hex
                << Pixel(button, 116, 3);
            EXPECT_TRUE(CloseColour(Pixel(button, kGlyph / 2, 10), GlyphColour(glyph)))
                << (checkBox ? "check box " : "radio ") << c.what << ": " << std::hex
                << Pixel(button, kGlyph / 2, 10);
            Close(dialog);
            CursorAway();
        }
    }
}

// Real input through the system's queue: a click where the button is, or
// the space bar.
void Input(HWND button, bool mouse) {
    std::vector<INPUT> events(mouse ? 3 : 2);
    if (mouse) {
        // The move rides in the same stream, so the clicks land there.
        const POINT p = ScreenPoint(button, 20, 10);
        for (auto& e : events) e.type = INPUT_MOUSE;
        events[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        events[0].mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
        events[0].mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
        events[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        events[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    } else {
        SetFocus(button);
        for (auto& e : events) {
            e.type = INPUT_KEYBOARD;
            e.ki.wVk = VK_SPACE;
        }
        events[1].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    Pump(100);
}

TEST_F(Buttons, EveryClickNotifiesTheParentOnce) {
    struct Case {
        const char* what;
        std::vector<Step> steps;
        int clicks;
    };
    const Case cases[] = {
        {"BM_CLICK", {{BM_CLICK}}, 1},
        {"double click counts as a press", {kDown, kUp, {WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5)}, kUp}, 2},
        {"released outside", {kDown, {WM_LBUTTONUP, 0, At(-5, 5)}}, 0},
        {"dragged out and back in", {kDown, kOut, kIn, kUp}, 1},
        {"a typed character ends the press", {kDown, {WM_CHAR, 'a'}, kUp}, 0},
        {"another window takes the mouse", {kDown, {kCaptureElsewhere}, kUp}, 0},
        {"space released without being pressed", {{kFocusButton}, {WM_KEYUP, VK_SPACE}}, 0},
        {"focus leaves while space is held",
         {{kFocusButton}, {WM_KEYDOWN, VK_SPACE}, {kFocusOther}, {WM_KEYUP, VK_SPACE}},
         0},
        {"mouse click (real input)", {}, 1},
        {"space bar (real input)", {}, 1},
    };
    for (DWORD style : {DWORD(BS_PUSHBUTTON), DWORD(BS_AUTOCHECKBOX), DWORD(BS_AUTORADIOBUTTON)}) {
        for (const auto& c : cases) {
            HWND dialog = Dialog({{style, kTarget, 1}, kOther});
            HWND button = GetDlgItem(dialog, 1);
            testwin::Notifications().clear();
            if (c.steps.empty()) {
                Input(button, std::strstr(c.what, "mouse") != nullptr);
            } else {
                Play(button, c.steps);
            }
            Pump(50);
            EXPECT_EQ(ClicksOf(1), c.clicks) << c.what << ", style " << style;
            EXPECT_EQ(GetCapture(), nullptr) << c.what;
            if (style == BS_PUSHBUTTON) {
                EXPECT_FALSE(CloseColour(Pixel(button, 40, 12), PushColour(PushButtonObject::Pressed)))
                    << c.what << " left the button pressed";
            }
            Close(dialog);
            CursorAway();
        }
    }
}

TEST_F(Buttons, AutoCheckBoxesToggleAndCycle) {
    struct Case {
        DWORD style;
        int initial;
        std::vector<int> afterEachClick;
    };
    const Case cases[] = {
        {BS_AUTOCHECKBOX, BST_UNCHECKED, {BST_CHECKED, BST_UNCHECKED}},
        {BS_AUTO3STATE, BST_UNCHECKED, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}},
        {BS_AUTO3STATE, BST_INDETERMINATE, {BST_UNCHECKED}},
        {BS_CHECKBOX, BST_UNCHECKED, {BST_UNCHECKED}},
    };
    for (const auto& c : cases) {
        HWND dialog = Dialog({{c.style, {10, 10, 130, 30}, 1}});
        HWND box = GetDlgItem(dialog, 1);
        SendMessageW(box, BM_SETCHECK, c.initial, 0);
        for (size_t i = 0; i < c.afterEachClick.size(); ++i) {
            SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
            SendMessageW(box, WM_LBUTTONUP, 0, At(5, 5));
            EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), c.afterEachClick[i])
                << "style " << c.style << " click " << i + 1;
        }
        if (c.style == BS_AUTO3STATE && c.initial == BST_UNCHECKED) {
            // Shown as its own state, not as unchecked.
            SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
            EXPECT_TRUE(CloseColour(Pixel(box, kGlyph / 2, 10), GlyphColour(CheckBoxObject::Disabled)));
        }
        Close(dialog);
    }
}

TEST_F(Buttons, AutoRadioGroupStopsAtTheNextGroupStart) {
    std::vector<ButtonItem> radios;
    for (int i = 0; i < 5; ++i) {
        const DWORD group = i == 0 || i == 3 ? WS_GROUP : 0;
        radios.push_back({BS_AUTORADIOBUTTON | group, {10, 10 + i * 22, 130, 30 + i * 22}, 11 + i});
    }
    HWND dialog = Dialog(radios);
    auto check = [&](int id) { return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0); };
    SendMessageW(GetDlgItem(dialog, 11), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(GetDlgItem(dialog, 15), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(GetDlgItem(dialog, 12), BM_CLICK, 0, 0);
    EXPECT_EQ(check(11), BST_UNCHECKED);
    EXPECT_EQ(check(12), BST_CHECKED);
    EXPECT_EQ(check(13), BST_UNCHECKED);
    EXPECT_EQ(check(15), BST_CHECKED); // the next group keeps its choice
    SendMessageW(GetDlgItem(dialog, 14), BM_CLICK, 0, 0);
    EXPECT_EQ(check(12), BST_CHECKED);
    EXPECT_EQ(check(14), BST_CHECKED);
    EXPECT_EQ(check(15), BST_UNCHECKED);
}

TEST_F(Buttons, ControlDataInTheWindowWordsIsLeftAlone) {
    HWND dialog = Dialog({{BS_PUSHBUTTON, kTarget, 1},
                          {BS_AUTOCHECKBOX, {10, 40, 130, 60}, 3},
                          {BS_AUTO3STATE, {10, 62, 130, 82}, 4},
                          {BS_AUTORADIOBUTTON | WS_GROUP, {10, 84, 130, 104}, 5}});
    for (int id : {1, 3, 4, 5}) {
        HWND button = GetDlgItem(dialog, id);
        ASSERT_NE(SkinWnd::FromWindow(button), nullptr) << id;
        ASSERT_GE(GetClassLongPtrW(button, GCL_CBWNDEXTRA), static_cast<LONG_PTR>(sizeof(void*)))
            << "the version-6 button keeps its data here";
        const LONG_PTR before = GetWindowLongPtrW(button, 0);
        for (int i = 0; i < 3; ++i) {
            SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
            SendMessageW(button, WM_LBUTTONUP, 0, At(5, 5));
            SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
            SendMessageW(button, WM_KEYUP, VK_SPACE, 0);
        }
        SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(GetWindowLongPtrW(button, 0), before) << id;
        if (id != 1) {
            EXPECT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), BST_CHECKED) << id;
        }
    }
}

TEST_F(Buttons, SkippedAndOwnerDrawnButtonsStayUnskinned) {
    HWND dialog = Dialog({{BS_PUSHBUTTON, kTarget, 1},
                          {BS_AUTOCHECKBOX, {10, 40, 130, 60}, 3},
                          {BS_OWNERDRAW, {10, 62, 130, 82}, 4},
                          {BS_GROUPBOX, {140, 10, 230, 90}, 5}},
                         {3, 5});
    EXPECT_NE(SkinWnd::FromWindow(GetDlgItem(dialog, 1)), nullptr);
    for (int id : {3, 4, 5}) EXPECT_EQ(SkinWnd::FromWindow(GetDlgItem(dialog, id)), nullptr) << id;
}

TEST_F(Buttons, TheApplicationsFontComesBackWhenTheSkinLetsGo) {
    struct Case {
        const char* what;
        std::function<void()> letGo;
    };
    const Case cases[] = {
        {"skin without button objects",
         [] {
             SkinChoice none;
             none.withButtons = false;
             ASSERT_TRUE(SkinLoadFile(ButtonSkin(none, L"buttons-none.tvf").c_str()));
         }},
        {"button object without a font",
         [] { ASSERT_TRUE(SkinLoadFile(ButtonSkin({}, L"buttons.tvf").c_str())); }},
        {"shutdown", [] { SkinShutdown(); }},
    };
    for (const auto& c : cases) {
        if (!SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr)) continue;
        SkinChoice withFont;
        withFont.buttonFont = true;
        ASSERT_TRUE(SkinLoadFile(ButtonSkin(withFont, L"buttons-font.tvf").c_str()));
        ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
        HWND dialog = Dialog({{BS_PUSHBUTTON, kTarget, 1}});
        HWND button = GetDlgItem(dialog, 1);
        HFONT applications = CreateFontW(-15, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"Courier New");
        const auto skinFont = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
        ASSERT_NE(skinFont, nullptr) << c.what;
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(applications), TRUE);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), skinFont) << c.what;
        c.letGo();
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), applications) << c.what;
        Close(dialog);
        DeleteObject(applications);
    }
}

TEST_F(Buttons, GroupBoxDrawsItsFrameAndCaption) {
    HWND dialog =
        Dialog({{BS_GROUPBOX, {10, 10, 210, 110}, 1, L"    "}, {BS_GROUPBOX, {220, 10, 236, 130}, 2}});
    HWND box = GetDlgItem(dialog, 1);
    HWND empty = GetDlgItem(dialog, 2);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC dc = GetDC(box);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, L"    ", 4, &extent);
    ReleaseDC(box, dc);
    const int line = extent.cy / 2; // frame top: the caption's middle
    struct Case {
        HWND hwnd;
        int x, y;
        COLORREF expected;
        const char* what;
    };
    const Case cases[] = {
        {box, 1, 60, kFrameColour, "left edge"},
        {box, 198, 60, kFrameColour, "right edge"},
        {box, 100, 98, kFrameColour, "bottom edge"},
        {box, 100, line + 1, kFrameColour, "top edge beside the caption"},
        {box, 100, line - 1, DialogColour(), "above the top edge"},
        {box, 100, 60, DialogColour(), "inside"},
        {box, 4 + extent.cx / 2, line + 1, kCaptionColour, "caption over the top edge"},
        {empty, 8, line + 1, kFrameColour, "empty caption: the top edge where an A is centred"},
        {empty, 8, line - 1, DialogColour(), "empty caption: nothing above"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(CloseColour(Pixel(c.hwnd, c.x, c.y), c.expected))
            << c.what << " got " << std::hex << Pixel(c.hwnd, c.x, c.y);
    }
}

TEST_F(Buttons, GroupBoxFollowsALargerFont) {
    HWND dialog = Dialog({{BS_GROUPBOX, {10, 10, 210, 110}, 1, L"Box"}});
    HWND box = GetDlgItem(dialog, 1);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    auto topEdge = [&] {
        Pump();
        for (int y = 0; y < 60; ++y) {
            if (CloseColour(testwin::WindowPixel(box, 150, y), kFrameColour)) return y;
        }
        return -1;
    };
    const int before = topEdge();
    ASSERT_GE(before, 0);
    HFONT large = CreateFontW(-40, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(large), TRUE);
    const int after = topEdge();
    EXPECT_GT(after, before + 5);
    // The old edge is gone, not left behind.
    EXPECT_TRUE(CloseColour(Pixel(box, 150, before), DialogColour())) << std::hex << Pixel(box, 150, before);
    Close(dialog);
    DeleteObject(large);
}

TEST_F(Buttons, DefaultSkinShapesAndPaintsItsButtons) {
    ASSERT_TRUE(SkinLoadFile(L"xpblue.tvf"));
    HWND dialog = Dialog({{BS_DEFPUSHBUTTON, kTarget, 1, L"OK"},
                          {BS_AUTOCHECKBOX, {10, 40, 130, 60}, 3, L"Check"},
                          {BS_AUTORADIOBUTTON, {10, 62, 130, 82}, 4, L"Radio"},
                          {BS_GROUPBOX, {140, 10, 230, 90}, 5, L"Group"}});
    for (int id : {1, 3, 4, 5}) EXPECT_NE(SkinWnd::FromWindow(GetDlgItem(dialog, id)), nullptr) << id;
    HWND button = GetDlgItem(dialog, 1);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(button, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 40, 12));
    DeleteObject(region);
}

} // namespace
