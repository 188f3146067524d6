// Statics, edits, combo boxes and progress bars in a skinned dialog, as
// the screen shows them and as their parent hears from them. Every picture
// and colour of the test skin is a solid colour of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <climits>
#include <memory>

#include "BarObjects.h"
#include "ControlWindows.h"
#include "EditObjects.h"
#include "ImageObject.h"
#include "MiscControlObjects.h"
#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinComboBox.h"
#include "SkinEntries.h"
#include "TestSkins.h"
#include "TestWindows.h"
#include "WindowRegistry.h"

namespace {

using ctlwin::ClientPixel;
using ctlwin::ColourBox;
using testwin::CloseColour;
using testwin::Pump;

// Blocks of the picture "ctl", in order.
enum Block {
    kBorderBlock,
    kFrameBlock,
    kThumbNormalBlock,
    kThumbPressedBlock,
    kThumbHoveredBlock,
    kThumbDisabledBlock,
    kChunkBlock,
    kBlockCount
};
constexpr int kBlockSize = 8;
const COLORREF kBlockColour[kBlockCount] = {RGB(20, 140, 60),  RGB(160, 40, 20),  RGB(30, 60, 220),
                                            RGB(220, 180, 20), RGB(40, 200, 200), RGB(120, 120, 120),
                                            RGB(10, 170, 10)};

constexpr COLORREF kStaticBack = RGB(230, 220, 160);
constexpr COLORREF kStaticText = RGB(150, 0, 0);
constexpr COLORREF kEditBack = RGB(250, 250, 210);
constexpr COLORREF kEditText = RGB(0, 0, 120);
constexpr COLORREF kEditReadOnly = RGB(200, 210, 230);
constexpr COLORREF kComboBack = RGB(240, 250, 255);
constexpr COLORREF kComboText = RGB(90, 0, 90);
constexpr COLORREF kComboFocus = RGB(50, 80, 160);
constexpr COLORREF kComboFocusText = RGB(255, 255, 200);
constexpr COLORREF kComboDisabledBack = RGB(210, 210, 200);
constexpr COLORREF kComboDisabledText = RGB(140, 140, 100);
constexpr COLORREF kProgressBack = RGB(250, 250, 240);
constexpr COLORREF kProgressFill = RGB(0, 90, 200);

// Per-control objects in the dialog object, by control id.
constexpr int kTransparentStaticId = 7;
constexpr int kChunkBarId = 2;
constexpr int kRevealedBarId = 3;

NineGridImage Grid(int block, int margin) {
    NineGridImage grid;
    grid.SetName("ctl");
    grid.source = SkinRect{block * kBlockSize, 0, (block + 1) * kBlockSize, kBlockSize};
    grid.marginLeft = grid.marginTop = grid.marginRight = grid.marginBottom = margin;
    grid.stretchMode = 1;
    return grid;
}

// A control object of class T, type `type`, for control id `controlId` (0:
// every control of its kind), its fields set by `fill`.
template <typename T, typename Fill>
std::unique_ptr<SkinObject> Object(int type, const char* name, int controlId, Fill fill) {
    auto object = CreateSkinObject(type);
    object->SetName(name);
    auto& typed = static_cast<T&>(*object);
    typed.controlId = static_cast<uint32_t>(controlId);
    fill(typed);
    return object;
}

std::unique_ptr<SkinObject> StaticObjectFor(const char* name, bool transparent, int controlId = 0) {
    return Object<StaticObject>(14, name, controlId, [transparent](StaticObject& label) {
        label.transparent = transparent;
        label.color1 = kStaticBack;
        label.textEffect = TextEffect::WithTextColor(kStaticText);
    });
}

std::unique_ptr<SkinObject> ProgressObjectFor(const char* name, uint32_t style, int controlId = 0) {
    return Object<ProgressBarObject>(10, name, controlId, [style](ProgressBarObject& bar) {
        bar.color1 = kProgressBack;
        bar.color2 = kProgressFill;
        bar.style = style;
        if (style != 0) bar.progressImage = Grid(kChunkBlock, 0);
    });
}

std::wstring WriteControlSkin() {
    testskin::Options options;
    options.withStatic = false;
    auto skin = testskin::Build(options);
    skin->PutObject(Object<EditObject>(7, "Edit", 0, [](EditObject& edit) {
        edit.color1 = kEditBack;
        edit.color2 = kEditText;
        edit.color3 = kEditReadOnly;
        edit.mainImage = Grid(kBorderBlock, 2);
    }));
    skin->PutObject(
        Object<EditObject>(30, "RichEdit", 0, [](EditObject& edit) { edit.color1 = kEditReadOnly; }));
    skin->PutObject(Object<ComboBoxObject>(6, "ComboBox", 0, [](ComboBoxObject& combo) {
        combo.mainImage = Grid(kFrameBlock, 1);
        for (int i = 0; i < ComboBoxObject::ThumbCount; ++i) combo.thumbs[i] = Grid(kThumbNormalBlock + i, 0);
        combo.color1 = kComboBack;
        combo.color2 = kComboText;
        combo.focusColor = kComboFocus;
        combo.focusTextColor = kComboFocusText;
        combo.disabledBackground = kComboDisabledBack;
        combo.disabledText = kComboDisabledText;
    }));
    skin->PutObject(StaticObjectFor("Static", false));
    skin->PutObject(ProgressObjectFor("Progress", 0));
    SkinObject* dialog = skin->FindObject("Dialog");
    dialog->AddChild(StaticObjectFor("SeeThrough", true, kTransparentStaticId));
    dialog->AddChild(ProgressObjectFor("Chunks", 2, kChunkBarId));
    dialog->AddChild(ProgressObjectFor("Revealed", 1, kRevealedBarId));

    auto image = std::make_unique<ImageObject>();
    image->SetName("ctl");
    image->SetEncoded(testskin::BlocksBmp({std::begin(kBlockColour), std::end(kBlockColour)}, kBlockSize), 1);
    skin->PutImage(std::move(image));
    return testskin::WriteSkin(*skin, L"runtime-controls.tvf");
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&init);
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        ASSERT_TRUE(SkinLoadFile(WriteControlSkin().c_str()));
        ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
        // No control starts under the mouse (the pointer outlives tests).
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        dialog_ = ctlwin::CreateHostDialog(420, 320);
        ASSERT_TRUE(dialog_);
        ctlwin::Notifications().clear();
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        SkinShutdown();
    }
    HWND Child(const wchar_t* className, DWORD style, RECT box, int id, const wchar_t* text = L"",
               DWORD exStyle = 0) {
        HWND child = ctlwin::AddChild(dialog_, className, style, exStyle, box, id, text);
        EXPECT_TRUE(child) << "class " << className;
        return child;
    }
    HWND Combo(DWORD style, int id,
               std::initializer_list<const wchar_t*> items = {L"alpha", L"beta", L"gamma"}) {
        HWND combo = Child(L"ComboBox", style | WS_VSCROLL, RECT{10, 10, 170, 160}, id);
        for (const wchar_t* item : items)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return combo;
    }
    static RECT Client(HWND hwnd) {
        RECT r{};
        GetClientRect(hwnd, &r);
        return r;
    }
    static void Repaint(HWND hwnd) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump(20);
    }
    static bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

    HWND dialog_ = nullptr;
};

// Where the drop button and the text area of a combo lie (frame margin 1).
struct ComboPoints {
    POINT button;
    POINT text;
    RECT textArea;
};
ComboPoints PointsOf(HWND combo) {
    RECT c{};
    GetClientRect(combo, &c);
    // The text point lies right of the short items' text.
    return ComboPoints{POINT{c.right - 8, c.bottom / 2}, POINT{c.right - 18 - 5, c.bottom / 2},
                       RECT{2, 2, c.right - 18 - 2, c.bottom - 2}};
}

TEST_F(Controls, SimpleOwnerDrawVariableAndFrameControlsStayUnskinned) {
    struct Case {
        const wchar_t* className;
        DWORD style;
        bool skinned;
    };
    const Case cases[] = {
        {L"ComboBox", CBS_DROPDOWNLIST, true},
        {L"ComboBox", CBS_DROPDOWN, true},
        {L"ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, true},
        {L"ComboBox", CBS_SIMPLE, false},
        {L"ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS, false},
        {L"Static", SS_LEFT, true},
        {L"Static", SS_SIMPLE, false},
        {L"Static", SS_OWNERDRAW, false},
        {L"Static", SS_ETCHEDHORZ, false},
        {L"Edit", ES_AUTOHSCROLL, true},
        {PROGRESS_CLASSW, 0, true},
    };
    int id = 100;
    for (const auto& c : cases) {
        HWND child = Child(c.className, c.style, RECT{10, 10, 150, 120}, ++id, L"x");
        SkinWnd* skinner = WindowRegistry::Instance().Lookup(child);
        EXPECT_EQ(skinner != nullptr, c.skinned) << c.className << " style " << std::hex << c.style;
        if (!c.skinned) {
            EXPECT_EQ(GetPropW(child, L"OBJECT"), nullptr) << c.className;
        }
        DestroyWindow(child);
    }
}

TEST_F(Controls, ComboWithoutSelectionShowsFrameFillAndButtonOnly) {
    HWND combo = Combo(CBS_DROPDOWNLIST, 31);
    SetFocus(dialog_);
    Repaint(dialog_);
    const ComboPoints p = PointsOf(combo);
    const RECT c = Client(combo);
    EXPECT_TRUE(CloseColour(ClientPixel(combo, 0, c.bottom / 2), kBlockColour[kFrameBlock]));
    EXPECT_TRUE(CloseColour(ClientPixel(combo, c.right / 2, 0), kBlockColour[kFrameBlock]));
    EXPECT_TRUE(CloseColour(ClientPixel(combo, p.text.x, p.text.y), kComboBack));
    EXPECT_TRUE(CloseColour(ClientPixel(combo, p.button.x, p.button.y), kBlockColour[kThumbNormalBlock]));
    EXPECT_TRUE(Empty(ColourBox(combo, p.textArea, kComboText)));
    EXPECT_TRUE(Empty(ColourBox(combo, p.textArea, kComboFocus)));
}

TEST_F(Controls, ComboKeepsWorkingWithTheKeyboard) {
    HWND combo = Combo(CBS_DROPDOWNLIST, 31);
    SetFocus(dialog_);
    const ComboPoints p = PointsOf(combo);

    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    Pump(20);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(Empty(ColourBox(combo, p.textArea, kComboText))) << "the selection's text is drawn";

    SetFocus(combo);
    Pump(20);
    EXPECT_TRUE(CloseColour(ClientPixel(combo, p.text.x, p.text.y), kComboFocus));
    EXPECT_FALSE(Empty(ColourBox(combo, p.textArea, kComboFocusText)));

    struct Step {
        WPARAM key;
        LRESULT selection;
    };
    for (const Step step : {Step{VK_DOWN, 2}, Step{VK_UP, 1}, Step{VK_UP, 0}}) {
        ctlwin::Notifications().clear();
        SendMessageW(combo, WM_KEYDOWN, step.key, 0);
        SendMessageW(combo, WM_KEYUP, step.key, 0);
        Pump(20);
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), step.selection);
        bool notified = false;
        for (auto [id, code] : ctlwin::Notifications()) notified |= id == 31 && code == CBN_SELCHANGE;
        EXPECT_TRUE(notified) << "key " << step.key;
        EXPECT_TRUE(CloseColour(ClientPixel(combo, p.text.x, p.text.y), kComboFocus))
            << "key " << step.key << std::hex << " " << ClientPixel(combo, p.text.x, p.text.y);
    }
}

TEST_F(Controls, DisabledComboShowsTheDisabledLookWhileHovered) {
    HWND combo = Combo(CBS_DROPDOWNLIST, 31);
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SetFocus(dialog_);
    Pump(20);
    const ComboPoints p = PointsOf(combo);
    POINT screen = p.button;
    ClientToScreen(combo, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(p.button.x, p.button.y));
    Pump(20);
    auto* skinner = dynamic_cast<SkinComboBox*>(WindowRegistry::Instance().Lookup(combo));
    ASSERT_TRUE(skinner);
    ASSERT_EQ(skinner->ButtonState(), ComboButtonState::kHover);
    EXPECT_TRUE(CloseColour(ClientPixel(combo, p.button.x, p.button.y), kBlockColour[kThumbHoveredBlock]));

    EnableWindow(combo, FALSE);
    SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(p.button.x, p.button.y));
    Pump(20);
    EXPECT_TRUE(CloseColour(ClientPixel(combo, p.button.x, p.button.y), kBlockColour[kThumbDisabledBlock]));
    EXPECT_TRUE(CloseColour(ClientPixel(combo, p.text.x, p.text.y), kComboDisabledBack))
        << std::hex << ClientPixel(combo, p.text.x, p.text.y);
    EXPECT_FALSE(Empty(ColourBox(combo, p.textArea, kComboDisabledText)));
    EXPECT_TRUE(Empty(ColourBox(combo, p.textArea, kComboText)));
}

TEST_F(Controls, DropDownComboLeavesItsEditVisible) {
    HWND combo = Combo(CBS_DROPDOWN, 32);
    SetWindowTextW(combo, L"MMMM");
    SetFocus(dialog_);
    Repaint(dialog_);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    ASSERT_TRUE(info.hwndItem && info.hwndItem != combo);
    const RECT edit = Client(info.hwndItem);
    EXPECT_FALSE(Empty(ColourBox(info.hwndItem, edit, kComboText))) << "the combo's colours reach its edit";
    EXPECT_TRUE(CloseColour(ClientPixel(info.hwndItem, edit.right - 1, edit.bottom / 2), kComboBack));
}

TEST_F(Controls, EditColoursForNormalReadOnlyAndDisabledEdits) {
    struct Case {
        DWORD style;
        UINT message; // what the edit asks its parent
        COLORREF back;
    };
    const Case cases[] = {
        {ES_AUTOHSCROLL, WM_CTLCOLOREDIT, kEditBack},
        {ES_AUTOHSCROLL | ES_READONLY, WM_CTLCOLORSTATIC, kEditReadOnly},
        {ES_AUTOHSCROLL | WS_DISABLED, WM_CTLCOLORSTATIC, kEditReadOnly},
    };
    int id = 20;
    for (const auto& c : cases) {
        HWND edit = Child(L"Edit", c.style, RECT{10, 10, 200, 34}, ++id, L"", WS_EX_CLIENTEDGE);
        Repaint(edit);
        HDC dc = CreateCompatibleDC(nullptr);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(dialog_, c.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
        LOGBRUSH info{};
        ASSERT_TRUE(brush && GetObjectW(brush, sizeof info, &info)) << id;
        EXPECT_EQ(info.lbColor, c.back) << id;
        EXPECT_EQ(GetBkColor(dc), c.back) << id;
        EXPECT_EQ(GetTextColor(dc), kEditText) << id;
        DeleteDC(dc);
        const RECT client = Client(edit);
        EXPECT_TRUE(CloseColour(ClientPixel(edit, client.right / 2, client.bottom / 2), c.back)) << id;
        // The client edge is the skin's border.
        EXPECT_TRUE(CloseColour(testwin::WindowPixel(edit, 0, 10), kBlockColour[kBorderBlock])) << id;
        EXPECT_TRUE(CloseColour(testwin::WindowPixel(edit, 1, 10), kBlockColour[kBorderBlock])) << id;
        DestroyWindow(edit);
    }
}

TEST_F(Controls, RichEditIsGivenItsBackColour) {
    ASSERT_TRUE(LoadLibraryW(L"riched32.dll"));
    HWND edit = Child(L"RICHEDIT", ES_MULTILINE, RECT{10, 10, 200, 60}, 25);
    ASSERT_TRUE(WindowRegistry::Instance().Lookup(edit));
    Repaint(edit);
    const RECT client = Client(edit);
    EXPECT_TRUE(CloseColour(ClientPixel(edit, client.right / 2, client.bottom / 2), kEditReadOnly));
}

TEST_F(Controls, StaticTextFollowsItsAlignment) {
    struct Case {
        DWORD style;
        int height;
        int id;
        const char* where; // l, c, r: horizontal; t, m: vertical
    };
    const Case cases[] = {
        {SS_LEFT, 24, 41, "lt"},
        {SS_CENTER, 24, 42, "ct"},
        {SS_RIGHT, 24, 43, "rt"},
        {SS_CENTER | SS_CENTERIMAGE, 40, 44, "cm"},
        {SS_LEFT, 24, kTransparentStaticId, "lt"},
    };
    for (const auto& c : cases) {
        HWND label = Child(L"Static", c.style, RECT{20, 20, 220, 20 + c.height}, c.id, L"MMMM");
        Repaint(dialog_);
        const RECT client = Client(label);
        // Opaque statics show the skin's colour, the transparent one the dialog.
        const COLORREF back = c.id == kTransparentStaticId ? testskin::ActiveColour(4) : kStaticBack;
        EXPECT_TRUE(CloseColour(ClientPixel(label, client.right - 1, client.bottom - 1), back)) << c.id;
        EXPECT_FALSE(Empty(ColourBox(label, client, kStaticText))) << c.id;
        const RECT text = ColourBox(label, client, back, false);
        ASSERT_FALSE(Empty(text)) << c.id;
        const int middleX = (text.left + text.right) / 2;
        const int middleY = (text.top + text.bottom) / 2;
        switch (c.where[0]) {
        case 'l':
            EXPECT_LE(text.left, 2) << c.id;
            break;
        case 'c':
            EXPECT_NEAR(middleX, client.right / 2, 2) << c.id;
            break;
        default:
            EXPECT_GE(text.right, client.right - 2) << c.id;
            break;
        }
        // Letters without descenders sit a little above the line's middle.
        if (c.where[1] == 't') {
            EXPECT_LE(text.top, 4) << c.id;
        } else {
            EXPECT_GE(text.top, 8) << c.id;
            EXPECT_NEAR(middleY, client.bottom / 2, 5) << c.id;
        }
        DestroyWindow(label);
    }
}

TEST_F(Controls, ProgressBarLengthOverTheWholeInt32Range) {
    struct Case {
        int id;
        bool vertical;
        int chunk; // whole chunks of this width only, or 0
        COLORREF colour;
    };
    const Case cases[] = {
        {1, false, 0, kProgressFill},
        {1, true, 0, kProgressFill},
        {kRevealedBarId, false, 0, kBlockColour[kChunkBlock]},
        {kChunkBarId, false, kBlockSize, kBlockColour[kChunkBlock]},
    };
    const int32_t positions[] = {0, 1 << 28, 1 << 30, 0x5FFFFFFF, INT_MAX - 1, INT_MAX};
    for (const auto& c : cases) {
        const RECT box = c.vertical ? RECT{10, 10, 24, 251} : RECT{10, 10, 251, 24};
        HWND bar = Child(PROGRESS_CLASSW, c.vertical ? PBS_VERTICAL : 0, box, c.id);
        SendMessageW(bar, PBM_SETRANGE32, 0, INT_MAX);
        PBRANGE range{};
        SendMessageW(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
        EXPECT_EQ(range.iLow, 0);
        EXPECT_EQ(range.iHigh, INT_MAX);
        const RECT client = Client(bar);
        const int length = c.vertical ? client.bottom : client.right;
        ASSERT_EQ(length, 241);
        for (int32_t pos : positions) {
            SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
            Pump(10);
            EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), pos);
            int expected = static_cast<int>(static_cast<long double>(pos) * length / INT_MAX);
            if (c.chunk) expected -= expected % c.chunk;
            const RECT filled = ColourBox(bar, client, c.colour);
            const int drawn = Empty(filled) ? 0 : c.vertical ? filled.bottom - filled.top : filled.right;
            EXPECT_EQ(drawn, expected) << "bar " << c.id << (c.vertical ? " vertical" : "") << " at " << pos;
            if (!Empty(filled)) {
                EXPECT_EQ(c.vertical ? filled.bottom : filled.left, c.vertical ? length : 0)
                    << "from the start";
            }
            if (expected < length) {
                const POINT rest =
                    c.vertical ? POINT{client.right / 2, 0} : POINT{length - 1, client.bottom / 2};
                EXPECT_TRUE(CloseColour(ClientPixel(bar, rest.x, rest.y), kProgressBack)) << pos;
            }
        }
        DestroyWindow(bar);
    }
}

TEST_F(Controls, ProgressStartsFromTheControlsOwnRange) {
    // Made after the skinner attached: the default range 0..100 still holds.
    HWND bar = Child(PROGRESS_CLASSW, 0, RECT{10, 10, 210, 24}, 1);
    EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 100);
    SendMessageW(bar, PBM_SETPOS, 50, 0);
    Pump(10);
    const RECT filled = ColourBox(bar, Client(bar), kProgressFill);
    EXPECT_EQ(filled.right, 100);
}

TEST_F(Controls, ProgressStepsAndDeltasStayInsideALargeRange) {
    HWND bar = Child(PROGRESS_CLASSW, 0, RECT{10, 10, 251, 24}, 1);
    SendMessageW(bar, PBM_SETRANGE32, 0, INT_MAX);
    SendMessageW(bar, PBM_SETPOS, INT_MAX - 5, 0);
    EXPECT_EQ(SendMessageW(bar, PBM_DELTAPOS, 100, 0), INT_MAX - 5);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), INT_MAX) << "a delta past the end stops there";
    SendMessageW(bar, PBM_SETSTEP, 10, 0);
    EXPECT_EQ(SendMessageW(bar, PBM_STEPIT, 0, 0), INT_MAX);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 10) << "a step past the end starts over";
    EXPECT_EQ(LOWORD(SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 5))), 0);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 5) << "a smaller range holds the position";
}

} // namespace
