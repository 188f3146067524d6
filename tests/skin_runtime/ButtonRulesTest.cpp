// The button skinners' decisions as plain functions: state priorities, the
// look table and its fallback chains, the check cycle, radio groups and
// content placement.
#include <gtest/gtest.h>

#include "ButtonRules.h"

namespace {

using L = CheckLook;
using P = PushLook;

TEST(PushLooks, PriorityOrder) {
    struct Case {
        PushLookInput in;
        P expected;
        const char* what;
    };
    auto with = [](auto change) {
        PushLookInput in;
        in.hasHighlightImage = true;
        change(in);
        return in;
    };
    const Case cases[] = {
        {with([](auto& i) {
             i.enabled = false;
             i.pushed = i.hovering = i.focused = true;
         }),
         P::kDisabled, "disabled wins"},
        {with([](auto& i) { i.pushed = i.hovering = i.focused = i.isDefault = true; }), P::kPressed,
         "pushed before hover"},
        {with([](auto& i) { i.hovering = i.checked = i.focused = true; }), P::kHighlighted,
         "hover before checked"},
        {with([](auto& i) {
             i.hasHighlightImage = false;
             i.hovering = i.focused = true;
         }),
         P::kFocused, "hover without its image falls through"},
        {with([](auto& i) { i.checked = i.focused = true; }), P::kPressed, "checked shows pressed"},
        {with([](auto& i) { i.focused = i.isDefault = true; }), P::kFocused, "focused default is focused"},
        {with([](auto& i) { i.isDefault = true; }), P::kDefault, "default"},
        {with([](auto&) {}), P::kNormal, "normal"},
    };
    for (const auto& c : cases) EXPECT_EQ(ChoosePushLook(c.in), c.expected) << c.what;
}

TEST(CheckLooks, TableForCheckBoxesAndRadioButtons) {
    struct Case {
        bool enabled;
        int state;
        bool pushed, focused, hovering, pressed;
        L checkBox, radio;
    };
    const Case cases[] = {
        {false, kChecked, false, true, true, false, L::kGrayedSelected, L::kGrayedSelected},
        {false, kUnchecked, false, true, true, false, L::kGrayedNormal, L::kGrayedNormal},
        {true, kUnchecked, true, true, true, false, L::kSelected, L::kSelected},
        {true, kChecked, false, true, false, false, L::kHighlightedSelected, L::kHighlightedSelected},
        {true, kUnchecked, false, true, true, false, L::kHighlightedNormal, L::kHighlightedNormal},
        {true, kChecked, false, false, false, false, L::kSelected, L::kSelected},
        {true, kChecked, false, false, true, false, L::kHighlightedSelected, L::kHighlightedSelected},
        {true, kUnchecked, false, false, false, false, L::kNormal, L::kNormal},
        {true, kUnchecked, false, false, true, false, L::kHighlightedNormal, L::kHighlightedNormal},
        // Held down: a check box previews its check, a radio button waits.
        {true, kUnchecked, false, true, true, true, L::kHighlightedSelected, L::kHighlightedNormal},
        {true, kUnchecked, false, false, false, true, L::kSelected, L::kNormal},
        // A 3-state box's third state counts as checked (its glyph below).
        {true, kIndeterminate, false, true, true, false, L::kHighlightedSelected, L::kHighlightedNormal},
        {false, kIndeterminate, false, false, false, false, L::kGrayedSelected, L::kGrayedNormal},
    };
    for (const auto& c : cases) {
        for (bool checkBox : {true, false}) {
            CheckLookInput in;
            in.checkBox = checkBox;
            in.enabled = c.enabled;
            in.checkState = c.state;
            in.pushed = c.pushed;
            in.focused = c.focused;
            in.hovering = c.hovering;
            in.pressed = c.pressed;
            EXPECT_EQ(ChooseCheckLook(in), checkBox ? c.checkBox : c.radio)
                << (checkBox ? "check box" : "radio") << " row " << (&c - cases);
        }
    }
}

TEST(CheckLooks, IndeterminateCheckBoxShowsTheGrayedGlyphWhileEnabled) {
    struct Case {
        bool checkBox, enabled, pressed;
        int state;
        L expected;
    };
    const Case cases[] = {
        {true, true, false, kIndeterminate, L::kGrayedSelected},
        {true, true, true, kIndeterminate, L::kSelected}, // held: the look as it is
        {true, false, false, kIndeterminate, L::kGrayedSelected},
        {true, true, false, kChecked, L::kSelected},
        {false, true, false, kIndeterminate, L::kNormal},
    };
    for (const auto& c : cases) {
        CheckLookInput in;
        in.checkBox = c.checkBox;
        in.enabled = c.enabled;
        in.pressed = c.pressed;
        in.checkState = c.state;
        EXPECT_EQ(ChooseGlyphLook(in, ChooseCheckLook(in)), c.expected) << (&c - cases);
    }
}

unsigned Empty(std::initializer_list<L> looks) {
    unsigned mask = 0;
    for (L look : looks) mask |= 1u << static_cast<int>(look);
    return mask;
}

TEST(CheckLooks, EmptyImagesFallBackAlongTheirChains) {
    struct Case {
        L look;
        bool checkBox;
        bool glyph;
        unsigned empty;
        int expected;
    };
    const unsigned allBut = 0x7F;
    const Case cases[] = {
        {L::kNormal, true, false, Empty({L::kNormal}), -1},
        {L::kSelected, true, false, Empty({L::kSelected}), int(L::kNormal)},
        {L::kSelected, true, true, Empty({L::kSelected}), -1},
        {L::kHighlightedNormal, true, false, Empty({L::kHighlightedNormal}), int(L::kNormal)},
        {L::kHighlightedNormal, false, true, Empty({L::kHighlightedNormal}), int(L::kNormal)},
        {L::kHighlightedSelected, true, false, Empty({L::kHighlightedSelected}), int(L::kSelected)},
        {L::kHighlightedSelected, true, false, Empty({L::kHighlightedSelected, L::kSelected}),
         int(L::kNormal)},
        {L::kHighlightedSelected, true, true, Empty({L::kHighlightedSelected, L::kSelected}), -1},
        {L::kGrayedNormal, true, false, Empty({L::kGrayedNormal}), int(L::kDisabled)},
        // The third only when the second is empty too.
        {L::kGrayedNormal, false, true, Empty({L::kGrayedNormal, L::kDisabled}), int(L::kNormal)},
        {L::kGrayedSelected, true, false, Empty({L::kGrayedSelected, L::kDisabled}), int(L::kNormal)},
        {L::kGrayedSelected, true, true, Empty({L::kGrayedSelected, L::kDisabled}), int(L::kSelected)},
        {L::kGrayedSelected, false, false, Empty({L::kGrayedSelected}), int(L::kSelected)},
        {L::kGrayedSelected, false, true, Empty({L::kGrayedSelected, L::kSelected}), -1},
        {L::kGrayedSelected, true, true, 0, int(L::kGrayedSelected)},
        {L::kHighlightedSelected, false, false, allBut & ~Empty({L::kNormal}), int(L::kNormal)},
    };
    for (const auto& c : cases) {
        const LookChain chain =
            c.glyph ? GlyphChain(c.look, c.checkBox) : BackgroundChain(c.look, c.checkBox);
        EXPECT_EQ(FirstNonEmpty(chain, c.empty), c.expected) << "row " << (&c - cases);
    }
}

TEST(CheckStates, AutoBoxesToggleAndCycle) {
    struct Case {
        uint32_t style;
        int from, to;
    };
    const Case cases[] = {
        {kBsAutoCheckBox, kUnchecked, kChecked},
        {kBsAutoCheckBox, kChecked, kUnchecked},
        {kBsAutoCheckBox, kIndeterminate, kUnchecked},
        {kBsAuto3State, kUnchecked, kChecked},
        {kBsAuto3State, kChecked, kIndeterminate},
        {kBsAuto3State, kIndeterminate, kUnchecked},
        {0x2 /* BS_CHECKBOX */, kUnchecked, kUnchecked},
        {0x5 /* BS_3STATE */, kChecked, kChecked},
        {kBsAuto3State | kBsLeftText, kChecked, kIndeterminate},
    };
    for (const auto& c : cases) EXPECT_EQ(NextCheckState(c.style, c.from), c.to) << c.style << " " << c.from;
    int state = kUnchecked;
    for (int click = 0; click < 3; ++click) state = NextCheckState(kBsAuto3State, state);
    EXPECT_EQ(state, kUnchecked);
}

TEST(RadioGroups, BoundedByGroupStarts) {
    using Range = std::pair<std::size_t, std::size_t>;
    const std::vector<bool> siblings = {true, false, false, true, false, false, true};
    struct Case {
        std::vector<bool> starts;
        std::size_t index;
        Range expected;
    };
    const Case cases[] = {
        {siblings, 0, {0, 3}},
        {siblings, 2, {0, 3}},
        {siblings, 3, {3, 6}},
        {siblings, 5, {3, 6}},
        {siblings, 6, {6, 7}},
        {{false, false, false}, 1, {0, 3}}, // no group style: from the first sibling
        {{false, false, true, false}, 1, {0, 2}},
    };
    for (const auto& c : cases) EXPECT_EQ(RadioGroupRange(c.starts, c.index), c.expected) << c.index;
}

TEST(ButtonStyles, OwnerDrawIsTheWholeType) {
    EXPECT_TRUE(IsOwnerDrawnButton(0xB));
    EXPECT_TRUE(IsOwnerDrawnButton(0x5000000B));
    for (uint32_t type : {0x0u, 0x1u, 0x3u, 0x9u, 0xAu, 0xEu, 0xFu})
        EXPECT_FALSE(IsOwnerDrawnButton(type)) << type;
}

TEST(ButtonLayout, ContentAlignment) {
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
        {0, true, 100, 40, {10, 20, 110, 60}}, // as large as the area
        {kBsRight | kBsBottom, true, 150, 90, {10, 20, 110, 60}},
    };
    for (const auto& c : cases) {
        const SkinRect r = AlignContent(area, c.w, c.h, c.style, c.pushButton);
        EXPECT_TRUE(r.left == c.expected.left && r.top == c.expected.top && r.right == c.expected.right &&
                    r.bottom == c.expected.bottom)
            << "style " << std::hex << c.style << " got " << std::dec << r.left << "," << r.top << ","
            << r.right << "," << r.bottom;
    }
    EXPECT_EQ(ButtonTextFormat(0, 0), 0x1u);
    EXPECT_EQ(ButtonTextFormat(kBsMultiline, 0), 0x10u | 0x2000u);
    EXPECT_EQ(ButtonTextFormat(kBsMultiline, kWsExRtlReading), 0x10u | 0x2000u | 0x20000u);
}

TEST(ButtonLayout, GlyphAndTextAreas) {
    const SkinRect content{2, 3, 102, 23};
    struct Case {
        uint32_t style;
        SkinRect glyph, text;
    };
    const Case cases[] = {
        {0, {2, 6, 15, 19}, {17, 3, 102, 23}},
        {kBsTop, {2, 3, 15, 16}, {17, 3, 102, 23}},
        {kBsBottom, {2, 10, 15, 23}, {17, 3, 102, 23}},
        {kBsLeftText, {89, 6, 102, 19}, {2, 3, 89, 23}},
    };
    for (const auto& c : cases) {
        const GlyphLayout l = LayOutGlyph(content, 13, 13, c.style);
        EXPECT_EQ(l.glyph.left, c.glyph.left) << c.style;
        EXPECT_EQ(l.glyph.top, c.glyph.top) << c.style;
        EXPECT_EQ(l.glyph.right, c.glyph.right) << c.style;
        EXPECT_EQ(l.glyph.bottom, c.glyph.bottom) << c.style;
        EXPECT_EQ(l.text.left, c.text.left) << c.style;
        EXPECT_EQ(l.text.right, c.text.right) << c.style;
        EXPECT_EQ(l.text.top, content.top);
        EXPECT_EQ(l.text.bottom, content.bottom);
    }
}

TEST(ButtonLayout, GroupCaptionAndFrame) {
    const SkinRect client{0, 0, 200, 100};
    const Margins margins{3, 1, 5, 1};
    struct Case {
        SkinRect client;
        int textWidth;
        uint32_t style;
        int left, right;
    };
    const Case cases[] = {
        {client, 40, 0, 4, 52},           {client, 40, kBsLeft, 4, 52},    {client, 40, kBsCenter, 76, 124},
        {client, 40, kBsRight, 148, 196}, {client, 250, kBsRight, 2, 196}, // not left of client left + 2
        {client, 250, 0, 4, 198},                                          // not right of client right - 2
    };
    for (const auto& c : cases) {
        const SkinRect caption = GroupCaptionRect(c.client, c.textWidth, 12, margins, c.style);
        EXPECT_EQ(caption.left, c.left) << c.textWidth << " " << c.style;
        EXPECT_EQ(caption.right, c.right) << c.textWidth << " " << c.style;
        EXPECT_EQ(caption.top, 0);
        EXPECT_EQ(caption.bottom, 14);
        const SkinRect frame = GroupFrameRect(c.client, caption);
        EXPECT_EQ(frame.top, 7);
        EXPECT_EQ(frame.bottom, 100);
    }
}

TEST(SystemButtonProc, OnlyForXpPseudoHandlesOfClickableButtons) {
    struct Case {
        SystemKind system;
        ControlKind kind;
        uint64_t proc;
        bool expected;
    };
    const Case cases[] = {
        {kSystemXp, kKindPushButton, 0xFFFF0123u, true},
        {kSystemXp, kKindCheckBox, 0xFFFF0000u, true},
        {kSystemXp, kKindRadio, 0xFFFFFFFFu, true},
        {kSystemXp, kKindGroupBox, 0xFFFF0123u, false},
        {kSystemXp, kKindPushButton, 0x7FF612340000u, false}, // a 64-bit code address
        {kSystemXp, kKindPushButton, 0x00401000u, false},
        {kSystemNtModern, kKindPushButton, 0xFFFF0123u, false},
        {kSystem2000, kKindCheckBox, 0xFFFF0123u, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UsesSystemButtonProc(c.system, c.kind, c.proc), c.expected) << (&c - cases);
}

} // namespace
