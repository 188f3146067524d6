// The button skinners' decisions as plain functions: state priorities, the
// look table and its fallback chains, radio groups and content placement.
#include <gtest/gtest.h>

#include "ButtonRules.h"

namespace {

using L = CheckLook;
using P = PushLook;

// Input flags of the look tables.
enum : unsigned {
    kOff = 1,    // disabled
    kPushed = 2, // BST_PUSHED (push button: or held down)
    kHover = 4,
    kFocus = 8,
    kHeld = 16,  // check box and radio button: held down
    kImage = 32, // push button: has a HIGHLIGHTED image
    kDefault = 64,
    kCheck = 128, // push button: BST_CHECKED
};

TEST(PushLooks, PriorityOrder) {
    const std::pair<unsigned, P> cases[] = {
        {kOff | kPushed | kHover | kFocus | kImage, P::kDisabled},
        {kPushed | kHover | kFocus | kDefault | kImage, P::kPressed},
        {kHover | kCheck | kFocus | kImage, P::kHighlighted},
        {kHover | kFocus, P::kFocused}, // hover without its image falls through
        {kCheck | kFocus | kImage, P::kPressed},
        {kFocus | kDefault | kImage, P::kFocused},
        {kDefault, P::kDefault},
        {0, P::kNormal},
    };
    for (const auto& [flags, expected] : cases) {
        PushLookInput in;
        in.enabled = !(flags & kOff);
        in.pushed = flags & kPushed;
        in.hovering = flags & kHover;
        in.hasHighlightImage = flags & kImage;
        in.checked = flags & kCheck;
        in.focused = flags & kFocus;
        in.isDefault = flags & kDefault;
        EXPECT_EQ(ChoosePushLook(in), expected) << std::hex << flags;
    }
}

TEST(CheckLooks, TableForCheckBoxesAndRadioButtons) {
    struct Case {
        unsigned flags;
        int state;
        L checkBox, radio, checkBoxGlyph;
    };
    const Case cases[] = {
        {kOff | kFocus | kHover, kChecked, L::kGrayedSelected, L::kGrayedSelected, L::kGrayedSelected},
        {kOff | kFocus | kHover, kUnchecked, L::kGrayedNormal, L::kGrayedNormal, L::kGrayedNormal},
        {kPushed | kFocus | kHover, kUnchecked, L::kSelected, L::kSelected, L::kSelected},
        {kFocus, kChecked, L::kHighlightedSelected, L::kHighlightedSelected, L::kHighlightedSelected},
        {kFocus | kHover, kUnchecked, L::kHighlightedNormal, L::kHighlightedNormal, L::kHighlightedNormal},
        {0, kChecked, L::kSelected, L::kSelected, L::kSelected},
        {kHover, kChecked, L::kHighlightedSelected, L::kHighlightedSelected, L::kHighlightedSelected},
        {0, kUnchecked, L::kNormal, L::kNormal, L::kNormal},
        {kHover, kUnchecked, L::kHighlightedNormal, L::kHighlightedNormal, L::kHighlightedNormal},
        // Held down: a check box previews its check, a radio button waits.
        {kHeld | kFocus | kHover, kUnchecked, L::kHighlightedSelected, L::kHighlightedNormal,
         L::kHighlightedSelected},
        {kHeld, kUnchecked, L::kSelected, L::kNormal, L::kSelected},
        // A 3-state box's third state: the grayed check while enabled.
        {kFocus | kHover, kIndeterminate, L::kHighlightedSelected, L::kHighlightedNormal, L::kGrayedSelected},
        {kHeld, kIndeterminate, L::kSelected, L::kNormal, L::kSelected},
        {kOff, kIndeterminate, L::kGrayedSelected, L::kGrayedNormal, L::kGrayedSelected},
    };
    for (const auto& c : cases) {
        for (bool checkBox : {true, false}) {
            CheckLookInput in;
            in.checkBox = checkBox;
            in.enabled = !(c.flags & kOff);
            in.checkState = c.state;
            in.pushed = c.flags & kPushed;
            in.focused = c.flags & kFocus;
            in.hovering = c.flags & kHover;
            in.pressed = c.flags & kHeld;
            const L look = ChooseCheckLook(in);
            EXPECT_EQ(look, checkBox ? c.checkBox : c.radio) << checkBox << " row " << (&c - cases);
            EXPECT_EQ(ChooseGlyphLook(in, look), checkBox ? c.checkBoxGlyph : c.radio)
                << checkBox << " glyph, row " << (&c - cases);
        }
    }
}

TEST(CheckLooks, EmptyImagesFallBackAlongTheirChains) {
    auto empty = [](std::initializer_list<L> looks) {
        unsigned mask = 0;
        for (L look : looks) mask |= 1u << static_cast<int>(look);
        return mask;
    };
    struct Case {
        L look;
        bool checkBox, glyph;
        unsigned empty;
        int expected;
    };
    const Case cases[] = {
        {L::kNormal, true, false, empty({L::kNormal}), -1},
        {L::kSelected, true, false, empty({L::kSelected}), int(L::kNormal)},
        {L::kSelected, true, true, empty({L::kSelected}), -1},
        {L::kHighlightedNormal, true, false, empty({L::kHighlightedNormal}), int(L::kNormal)},
        {L::kHighlightedNormal, false, true, empty({L::kHighlightedNormal}), int(L::kNormal)},
        {L::kHighlightedSelected, true, false, empty({L::kHighlightedSelected}), int(L::kSelected)},
        {L::kHighlightedSelected, true, false, empty({L::kHighlightedSelected, L::kSelected}),
         int(L::kNormal)},
        {L::kHighlightedSelected, true, true, empty({L::kHighlightedSelected, L::kSelected}), -1},
        {L::kGrayedNormal, true, false, empty({L::kGrayedNormal}), int(L::kDisabled)},
        // The third only when the second is empty too.
        {L::kGrayedNormal, false, true, empty({L::kGrayedNormal, L::kDisabled}), int(L::kNormal)},
        {L::kGrayedSelected, true, false, empty({L::kGrayedSelected, L::kDisabled}), int(L::kNormal)},
        {L::kGrayedSelected, true, true, empty({L::kGrayedSelected, L::kDisabled}), int(L::kSelected)},
        {L::kGrayedSelected, false, false, empty({L::kGrayedSelected}), int(L::kSelected)},
        {L::kGrayedSelected, false, true, empty({L::kGrayedSelected, L::kSelected}), -1},
        {L::kGrayedSelected, true, true, 0, int(L::kGrayedSelected)},
    };
    for (const auto& c : cases) {
        const LookChain chain =
            c.glyph ? GlyphChain(c.look, c.checkBox) : BackgroundChain(c.look, c.checkBox);
        EXPECT_EQ(FirstNonEmpty(chain, c.empty), c.expected) << "row " << (&c - cases);
    }
}

TEST(RadioGroups, BoundedByGroupStarts) {
    using Range = std::pair<std::size_t, std::size_t>;
    const std::vector<bool> siblings = {true, false, false, true, false, false, true};
    const std::tuple<std::vector<bool>, std::size_t, Range> cases[] = {
        {siblings, 0, {0, 3}},
        {siblings, 2, {0, 3}},
        {siblings, 3, {3, 6}},
        {siblings, 5, {3, 6}},
        {siblings, 6, {6, 7}},
        {{false, false, false}, 1, {0, 3}}, // none: from the first sibling
        {{false, false, true, false}, 1, {0, 2}},
    };
    for (const auto& [starts, index, expected] : cases) EXPECT_EQ(RadioGroupRange(starts, index), expected);
}

bool Same(const SkinRect& a, const SkinRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(ButtonLayout, ContentAlignmentAndTextFormat) {
    const SkinRect area{10, 20, 110, 60};
    struct Case {
        uint32_t style;
        bool pushButton;
        int w, h;
        SkinRect expected;
    };
    const Case cases[] = {
        {0, true, 40, 10, {40, 35, 80, 45}},
        {0, false, 40, 10, {10, 35, 50, 45}},
        {kBsLeft, true, 40, 10, {10, 35, 50, 45}},
        {kBsRight, false, 40, 10, {70, 35, 110, 45}},
        {kBsCenter, false, 40, 10, {40, 35, 80, 45}},
        {kBsTop | kBsRight, true, 40, 10, {70, 20, 110, 30}},
        {kBsBottom, true, 40, 10, {40, 50, 80, 60}},
        {kBsVCenter, true, 40, 10, {40, 35, 80, 45}},
        {kBsRight | kBsBottom, true, 150, 90, {10, 20, 110, 60}}, // larger than the area
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Same(AlignContent(area, c.w, c.h, c.style, c.pushButton), c.expected)) << (&c - cases);
    }
    EXPECT_EQ(ButtonTextFormat(0, 0), 0x1u);
    EXPECT_EQ(ButtonTextFormat(kBsMultiline, kWsExRtlReading), 0x10u | 0x2000u | 0x20000u);
}

TEST(ButtonLayout, GlyphBesideItsText) {
    const SkinRect content{2, 3, 102, 23};
    const std::tuple<uint32_t, SkinRect, SkinRect> cases[] = {
        {0, {2, 6, 15, 19}, {17, 3, 102, 23}},
        {kBsTop, {2, 3, 15, 16}, {17, 3, 102, 23}},
        {kBsBottom, {2, 10, 15, 23}, {17, 3, 102, 23}},
        {kBsLeftText, {89, 6, 102, 19}, {2, 3, 89, 23}},
    };
    for (const auto& [style, glyph, text] : cases) {
        const GlyphLayout layout = LayOutGlyph(content, 13, 13, style);
        EXPECT_TRUE(Same(layout.glyph, glyph)) << style;
        EXPECT_TRUE(Same(layout.text, text)) << style;
    }
}

TEST(ButtonLayout, GroupCaptionAndFrame) {
    const SkinRect client{0, 0, 200, 100};
    const std::tuple<int, uint32_t, int, int> cases[] = {
        {40, 0, 4, 52},           {40, kBsLeft, 4, 52},    {40, kBsCenter, 76, 124},
        {40, kBsRight, 148, 196}, {250, kBsRight, 2, 196}, // not left of client left + 2
        {250, 0, 4, 198},                                  // not right of client right - 2
    };
    for (const auto& [textWidth, style, left, right] : cases) {
        const SkinRect caption = GroupCaptionRect(client, textWidth, 12, Margins{3, 1, 5, 1}, style);
        EXPECT_TRUE(Same(caption, SkinRect{left, 0, right, 14})) << textWidth << " " << style;
        EXPECT_TRUE(Same(GroupFrameRect(client, caption), SkinRect{0, 7, 200, 100}));
    }
}

TEST(ButtonStyles, OwnerDrawAndTheXpProcedureRule) {
    EXPECT_TRUE(IsOwnerDrawnButton(0x5000000B));
    for (uint32_t type : {0x0u, 0x1u, 0x9u, 0xEu, 0xFu}) EXPECT_FALSE(IsOwnerDrawnButton(type)) << type;
    const std::tuple<SystemKind, ControlKind, uint64_t, bool> cases[] = {
        {kSystemXp, kKindPushButton, 0xFFFF0123u, true},
        {kSystemXp, kKindRadio, 0xFFFFFFFFu, true},
        {kSystemXp, kKindGroupBox, 0xFFFF0123u, false},
        {kSystemXp, kKindCheckBox, 0x7FF612340000u, false}, // a 64-bit code address
        {kSystemXp, kKindPushButton, 0x00401000u, false},
        {kSystemNtModern, kKindPushButton, 0xFFFF0123u, false},
    };
    for (const auto& [system, kind, proc, expected] : cases) {
        EXPECT_EQ(UsesSystemButtonProc(system, kind, proc), expected) << kind << " " << std::hex << proc;
    }
}

} // namespace
