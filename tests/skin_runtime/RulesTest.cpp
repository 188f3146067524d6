// The runtime's decisions that need no window system: class kinds, keys,
// frame layout, hit codes, sizes and system kinds.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "ButtonRules.h"
#include "ControlKinds.h"
#include "ControlRules.h"
#include "FrameGeometry.h"
#include "FrameHitTest.h"
#include "KeyboardRule.h"
#include "SystemKind.h"

namespace {

TEST(ClassKinds, EveryTableNameMapsToItsKind) {
    struct Case {
        const char* name;
        int kind;
    };
    const Case cases[] = {
        {"Button", 4},
        {"CheckBox", 5},
        {"ComboBox", 6},
        {"Edit", 7},
        {"GroupBox", 8},
        {"ListBox", 9},
        {"msctls_progress32", 10},
        {"Radio", 11},
        {"ScrollBar", 12},
        {"msctls_trackbar32", 13},
        {"Static", 14},
        {"msctls_statusbar32", 15},
        {"SysTabControl32", 16},
        {"ToolbarWindow32", 23},
        {"SysIPAddress32", 26},
        {"msctls_updown32", 27},
        {"SysListView32", 28},
        {"SysTreeView32", 29},
        {"RICHEDIT", 30},
        {"SysDateTimePick32", 31},
        {"SysMonthCal32", 35},
        {"ReBarWindow32", 36},
        {"SysHeader32", 37},
        {"SysAnimate32", 40},
        {"Link Window", 41},
    };
    for (const auto& c : cases) EXPECT_EQ(KindForClassName(c.name), c.kind) << c.name;
    for (const char* suffix : {"", "d", "s", "sd", "su", "sud", "u", "ud"}) {
        for (const char* base : {"AfxControlBar42", "AfxControlBar70"}) {
            EXPECT_EQ(KindForClassName(std::string(base) + suffix), 24) << base << suffix;
        }
    }
    std::size_t count = 0;
    ClassKindTable(count);
    EXPECT_EQ(count, std::size(cases) + 16);
}

TEST(ClassKinds, NamesAreExactAndCaseSensitive) {
    for (const char* name : {"button", "BUTTON", "Edit ", "RichEdit20W", "ComboLBox", "#32770", "",
                             "AfxControlBar", "AfxControlBar42x", "static"}) {
        EXPECT_EQ(KindForClassName(name), kKindNone) << name;
    }
}

TEST(ClassKinds, ButtonTypesRefineBySwitch) {
    // Index: BS_ type in the low four style bits.
    const char* expected[16] = {"Button",   "Button",   "CheckBox", "CheckBox", "Radio",  "CheckBox",
                                "CheckBox", "GroupBox", "Button",   "Radio",    "Button", "Button",
                                "Button",   "Button",   "Button",   "Button"};
    for (uint32_t type = 0; type < 16; ++type) {
        EXPECT_EQ(RefineButtonClass(type | 0x50010000), expected[type]) << type;
        // Other style bits (BS_PUSHLIKE, BS_FLAT, alignment) never change it.
        EXPECT_EQ(RefineButtonClass(type | 0xFF0), expected[type]) << type;
    }
    EXPECT_EQ(KindForWindow("Button", 0x3, 0), kKindCheckBox);
    EXPECT_EQ(KindForWindow("Button", 0x9, 0), kKindRadio);
    EXPECT_EQ(KindForWindow("Button", 0x7, 0), kKindGroupBox);
    EXPECT_EQ(KindForWindow("Button", 0xC, 0), kKindPushButton);
}

TEST(ClassKinds, ComboListFollowsItsComboBox) {
    EXPECT_EQ(KindForWindow("ComboLBox", 0, 0x50010001), kKindListBox); // CBS_SIMPLE
    EXPECT_EQ(KindForWindow("ComboLBox", 0, 0x50010002), kKindNone);    // CBS_DROPDOWN
    EXPECT_EQ(KindForWindow("ComboLBox", 0, 0x50010003), kKindNone);    // CBS_DROPDOWNLIST
    EXPECT_EQ(KindForWindow("ComboBox", 0x3, 0), kKindComboBox);        // the combo itself
    EXPECT_EQ(ObjectTypeForKind(kKindLink), 14);
    EXPECT_EQ(ObjectTypeForKind(kKindEdit), 7);
}

TEST(KeyboardRule, DecisionTable) {
    constexpr uint32_t kAlt = 1u << 29;
    constexpr uint32_t kUp = 1u << 31;
    struct Case {
        unsigned key;
        uint32_t flags;
        KeyDecision expected;
    };
    const Case cases[] = {
        {kVkF10, 0, KeyDecision::Forward},
        {kVkF10, kUp, KeyDecision::Forward},
        {kVkF10, kAlt, KeyDecision::Forward},
        {'F', kAlt, KeyDecision::Forward},
        {'F', kAlt | kUp, KeyDecision::PassOn},
        {'F', 0, KeyDecision::PassOn},
        {'F', kUp, KeyDecision::PassOn},
        {kVkMenu, 0, KeyDecision::Swallow},
        {kVkMenu, kUp, KeyDecision::Swallow},
        {kVkMenu, kAlt, KeyDecision::ForwardAlt},
        {kVkMenu, kAlt | kUp, KeyDecision::ForwardAlt},
        {0x0D, kAlt, KeyDecision::Forward},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideKey(c.key, c.flags), c.expected) << c.key << " " << std::hex << c.flags;
    }
}

// The design of the test skins: corners 12 x 30 on top, borders 4 wide,
// bottom row 6 high, in a 100 x 80 design.
const SkinRect kDesign[9] = {{0, 0, 12, 30},  {12, 0, 88, 30},  {88, 0, 100, 30},
                             {0, 30, 4, 74},  {4, 30, 96, 74},  {96, 30, 100, 74},
                             {0, 74, 12, 80}, {12, 74, 88, 80}, {88, 74, 100, 80}};

TEST(FrameGeometry, PartsFollowTheEdges) {
    const FrameParts p = LayoutFrameParts(kDesign, 300, 200);
    auto eq = [](const SkinRect& r, SkinRect e) {
        return r.left == e.left && r.top == e.top && r.right == e.right && r.bottom == e.bottom;
    };
    EXPECT_TRUE(eq(p.part[kPartTopLeft], {0, 0, 12, 30}));
    EXPECT_TRUE(eq(p.part[kPartTop], {12, 0, 288, 30}));
    EXPECT_TRUE(eq(p.part[kPartTopRight], {288, 0, 300, 30}));
    EXPECT_TRUE(eq(p.part[kPartLeft], {0, 30, 4, 194}));
    EXPECT_TRUE(eq(p.part[kPartClient], {4, 30, 296, 194}));
    EXPECT_TRUE(eq(p.part[kPartRight], {296, 30, 300, 194}));
    EXPECT_TRUE(eq(p.part[kPartBottomLeft], {0, 194, 12, 200}));
    EXPECT_TRUE(eq(p.part[kPartBottom], {12, 194, 288, 200}));
    EXPECT_TRUE(eq(p.part[kPartBottomRight], {288, 194, 300, 200}));
}

TEST(FrameGeometry, SizesFromTheDesign) {
    EXPECT_EQ(WindowSizeForClient(kDesign, 200, 100, 0), (FrameSize{208, 136}));
    EXPECT_EQ(WindowSizeForClient(kDesign, 200, 100, 20), (FrameSize{208, 156}));
    EXPECT_EQ(MinimumFrameSize(kDesign), (FrameSize{34, 35}));
    const SkinRect client = ClientRectInWindow(kDesign, {100, 50, 308, 186}, 0);
    EXPECT_EQ(client.left, 104);
    EXPECT_EQ(client.top, 80);
    EXPECT_EQ(client.right, 304);
    EXPECT_EQ(client.bottom, 180);
    // A window smaller than its frame gets an empty client, never an inverted one.
    const SkinRect tiny = ClientRectInWindow(kDesign, {0, 0, 5, 5}, 0);
    EXPECT_TRUE(tiny.IsEmpty());
    EXPECT_GE(tiny.right, tiny.left);
    EXPECT_GE(tiny.bottom, tiny.top);
}

TEST(FrameGeometry, ResizableAndDialogFrameStyles) {
    EXPECT_TRUE(IsResizableStyle(0x00CF0000));  // WS_OVERLAPPEDWINDOW
    EXPECT_FALSE(IsResizableStyle(0x00C80000)); // caption + system menu
    EXPECT_FALSE(IsResizableStyle(0x00440080)); // thick frame, dialog frame and modal frame
    EXPECT_TRUE(IsResizableStyle(0x00440000));  // thick frame with dialog frame only
    EXPECT_TRUE(HasDialogFrame(0x00400000));
    EXPECT_TRUE(HasDialogFrame(0x80));
    EXPECT_FALSE(HasDialogFrame(0x00040000));
}

TEST(FrameGeometry, CaptionDoubleClickIsMeasuredInMilliseconds) {
    EXPECT_TRUE(IsCaptionDoubleClick(10'000, 10'500));
    EXPECT_TRUE(IsCaptionDoubleClick(59'900, 60'100)); // across a second boundary
    EXPECT_TRUE(IsCaptionDoubleClick(10'000, 11'000));
    EXPECT_FALSE(IsCaptionDoubleClick(10'000, 11'001));
    EXPECT_FALSE(IsCaptionDoubleClick(10'000, 3'610'000)); // an hour later, same minute and second
    EXPECT_FALSE(IsCaptionDoubleClick(0, 500));            // no earlier button-up
    EXPECT_FALSE(IsCaptionDoubleClick(10'000, 9'000));     // clock went back
}

struct HitCase {
    int x, y;
    int resizable, fixed, maximized;
};

TEST(FrameHitTest, FrameTable) {
    // Window 300 x 200 with the design above.
    const HitCase cases[] = {
        {1, 1, kHitTopLeft, kHitCaption, kHitCaption},
        {8, 8, kHitCaption, kHitCaption, kHitCaption},
        {100, 2, kHitTop, kHitCaption, kHitCaption},
        {100, 20, kHitCaption, kHitCaption, kHitCaption},
        {298, 2, kHitTopRight, kHitCaption, kHitCaption},
        {290, 20, kHitCaption, kHitCaption, kHitCaption},
        {298, 100, kHitRight, kHitNowhere, kHitNowhere},
        {1, 100, kHitLeft, kHitNowhere, kHitNowhere},
        {298, 198, kHitBottomRight, kHitNowhere, kHitNowhere},
        {289, 195, kHitBottom, kHitNowhere, kHitNowhere},
        {1, 198, kHitBottomLeft, kHitNowhere, kHitNowhere},
        {10, 195, kHitBottom, kHitNowhere, kHitNowhere},
        {150, 197, kHitBottom, kHitNowhere, kHitNowhere},
        {150, 100, kHitClient, kHitClient, kHitClient},
        {300, 100, kHitError, kHitError, kHitNowhere},
        {-1, -1, kHitError, kHitError, kHitNowhere},
    };
    FrameHitInput in;
    in.parts = LayoutFrameParts(kDesign, 300, 200);
    for (const auto& c : cases) {
        in.resizable = true;
        in.maximized = false;
        EXPECT_EQ(FrameHitTest(in, c.x, c.y), c.resizable) << c.x << "," << c.y;
        in.resizable = false;
        EXPECT_EQ(FrameHitTest(in, c.x, c.y), c.fixed) << c.x << "," << c.y;
        in.resizable = true;
        in.maximized = true;
        EXPECT_EQ(FrameHitTest(in, c.x, c.y), c.maximized) << c.x << "," << c.y;
    }
}

TEST(FrameHitTest, MenuBarAndElementsComeFirst) {
    FrameHitInput in;
    in.parts = LayoutFrameParts(kDesign, 300, 200);
    in.resizable = true;
    in.menuBar = {4, 30, 296, 50};
    EXPECT_EQ(FrameHitTest(in, 100, 40), kHitMenu);
    in.elementHit = kHitNowhere; // a caption button that answers nowhere
    EXPECT_EQ(FrameHitTest(in, 1, 1), kHitNowhere);
    in.maximized = true;
    EXPECT_EQ(FrameHitTest(in, 150, 100), kHitClient); // element codes other than caption are ignored
}

TEST(FrameHitTest, DialogTable) {
    const HitCase cases[] = {
        {1, 1, kHitTopLeft, kHitCaption, kHitCaption},
        {100, 2, kHitTop, kHitCaption, kHitCaption},
        {298, 100, kHitRight, kHitNowhere, kHitNowhere},
        {298, 198, kHitBottomRight, kHitNowhere, kHitNowhere},
        {150, 100, kHitClient, kHitClient, kHitClient},
        {300, 100, kHitNowhere, kHitNowhere, kHitNowhere},
    };
    FrameHitInput in;
    in.parts = LayoutFrameParts(kDesign, 300, 200);
    for (const auto& c : cases) {
        in.resizable = true;
        in.maximized = false;
        EXPECT_EQ(DialogHitTest(in, c.x, c.y), c.resizable) << c.x << "," << c.y;
        in.resizable = false;
        EXPECT_EQ(DialogHitTest(in, c.x, c.y), c.fixed) << c.x << "," << c.y;
        in.resizable = true;
        in.maximized = true;
        EXPECT_EQ(DialogHitTest(in, c.x, c.y), c.maximized) << c.x << "," << c.y;
    }
    in.maximized = false;
    in.elementHit = kHitCaption;
    EXPECT_EQ(DialogHitTest(in, 150, 100), kHitCaption);
    in.elementHit = kHitLeft; // only caption answers of elements count
    EXPECT_EQ(DialogHitTest(in, 150, 100), kHitClient);
}

TEST(SystemKind, FromPackedVersions) {
    struct Case {
        uint32_t version;
        SystemKind kind;
    };
    const Case cases[] = {
        {0x80000003, kSystem9xOld},    {0x80000004, kSystem9x},       {0x80000A04, kSystem98},
        {0x80005A04, kSystemMe},       {0x00000004, kSystemNt4},      {0x00000005, kSystem2000},
        {0x00000105, kSystemXp},       {0x00000205, kSystemNtModern}, {0x00000106, kSystemNtModern},
        {0x0000000A, kSystemNtModern}, {0x00000003, kSystemOther},
    };
    for (const auto& c : cases) EXPECT_EQ(SystemKindFromVersion(c.version), c.kind) << std::hex << c.version;
    EXPECT_TRUE(UsesScrollInterception(kSystemNtModern));
    EXPECT_TRUE(UsesScrollInterception(kSystemXp));
    EXPECT_FALSE(UsesScrollInterception(kSystem98));
}

} // namespace

namespace {

TEST(FrameGeometry, DesignScalesWithTheDisplay) {
    SkinRect scaled[9];
    ScaleDesign(kDesign, 96, scaled);
    EXPECT_EQ(scaled[kPartTop].right, 88);
    ScaleDesign(kDesign, 144, scaled);
    EXPECT_EQ(scaled[kPartTopLeft].bottom, 45);
    EXPECT_EQ(scaled[kPartTop].left, 18);
    EXPECT_EQ(scaled[kPartLeft].right, 6);
    EXPECT_EQ(scaled[kPartBottomRight].right, 150);
    EXPECT_EQ(ScaleForDpi(-13, 144), -20); // font heights round away from zero alike
    EXPECT_EQ(ScaleForDpi(13, 120), 16);
    EXPECT_EQ(ScaleForDpi(7, 0), 7);
}

TEST(SkinValueGeometry, ExtremeValuesAreHeldNotWrapped) {
    // Design rectangles, margins and image sizes come from skin files and may
    // hold any int32; whatever is built from them stays within the held
    // range instead of wrapping round.
    struct Case {
        const char* what;
        int32_t value;
    };
    const Case cases[] = {
        {"largest", INT32_MAX},
        {"smallest", INT32_MIN},
        {"largest - 1", INT32_MAX - 1},
        {"smallest + 1", INT32_MIN + 1},
        {"past the limit", (1 << 29) + 1},
        {"below the limit", -(1 << 29) - 1},
    };
    auto held = [](int64_t v) { return v >= -kSkinCoordinateLimit && v <= kSkinCoordinateLimit; };
    auto heldRect = [&](const SkinRect& r) {
        return held(r.left) && held(r.top) && held(r.right) && held(r.bottom);
    };
    const SkinRect window{0, 0, 300, 200};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int32_t v = c.value;
        SkinRect design[kFramePartCount];
        for (SkinRect& r : design) r = SkinRect{0, 0, v, v};

        const FrameParts parts = LayoutFrameParts(design, 300, 200);
        for (const SkinRect& r : parts.part) EXPECT_TRUE(heldRect(r));
        const FrameSize size = WindowSizeForClient(design, 200, 100, 20);
        EXPECT_TRUE(held(size.width) && held(size.height));
        // A huge frame makes a huge window, never a negative one.
        if (v > 0) {
            EXPECT_GT(size.width, 0);
        }
        const FrameSize minimum = MinimumFrameSize(design);
        EXPECT_TRUE(held(minimum.width) && held(minimum.height));
        const SkinRect client = ClientRectInWindow(design, window, 20);
        EXPECT_TRUE(heldRect(client));
        EXPECT_GE(client.right, client.left);
        EXPECT_GE(client.bottom, client.top);
        EXPECT_TRUE(held(ScaleForDpi(v, 144)));

        for (const uint32_t style : {0u, kBsCenter, kBsRight}) {
            EXPECT_TRUE(heldRect(GroupCaptionRect(window, 40, 12, Margins{v, v, v, v}, style))) << style;
        }
        for (const uint32_t style : {0u, kBsLeftText}) {
            const GlyphLayout glyph = LayOutGlyph(window, v, v, style);
            EXPECT_TRUE(heldRect(glyph.glyph) && heldRect(glyph.text)) << style;
        }
        const ComboLayout combo = LayoutCombo(120, 22, ComboMargins{v, v, v, v}, v, v);
        EXPECT_TRUE(heldRect(combo.inner) && heldRect(combo.dropButton) && heldRect(combo.text) &&
                    heldRect(combo.hoverZone));
    }
}

} // namespace
