// Frame element rules without a window system: visibility codes, placement
// by anchor code and by edge flags, and the caption button's looks and
// actions under mouse sequences (the frame tests drive the close button).
#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <string>

#include "CaptionButtonModel.h"
#include "ElementRules.h"

namespace {

TEST(ElementVisibility, EveryCodeAgainstEveryWindowState) {
    // States: restored active enabled, minimized, zoomed, inactive, disabled.
    const ElementWindowState states[] = {
        {false, false, true, true},  {true, false, true, true},   {false, true, true, true},
        {false, false, false, true}, {false, false, true, false},
    };
    const char* expected[] = {
        "11111", // 0 always
        "01000", // 1 minimized
        "10111", // 2 not minimized
        "00100", // 3 zoomed
        "11011", // 4 not zoomed
        "11101", // 5 caption active
        "00010", // 6 caption inactive
        "11110", // 7 enabled
        "00001", // 8 disabled
        "10011", // 9 neither zoomed nor minimized
        "00000", // 10 never
    };
    for (uint32_t code = 0; code < std::size(expected); ++code) {
        std::string got;
        for (const auto& state : states) got += IsElementVisible(code, state) ? '1' : '0';
        EXPECT_EQ(got, expected[code]) << "code " << code;
    }
    EXPECT_FALSE(IsElementVisible(0xFFFFFFFFu, states[0]));
}

TEST(ElementPlacement, AnchorCodesMoveWithTheWindowEdges) {
    const SkinRect design{250, 5, 271, 26};
    const FrameSize designSize{276, 160};
    const FrameSize window{400, 300}; // 124 wider, 140 taller
    struct Case {
        uint32_t anchor;
        SkinRect expected;
    };
    const Case cases[] = {
        {0, {250, 5, 271, 26}}, {1, {250, 5, 271, 26}},   {2, {250, 145, 271, 166}},
        {3, {250, 5, 271, 26}}, {4, {374, 5, 395, 26}},   {5, {374, 145, 395, 166}},
        {6, {374, 5, 395, 26}}, {7, {250, 5, 271, 26}},   {8, {250, 145, 271, 166}},
        {9, {250, 5, 271, 26}}, {100, {250, 5, 271, 26}},
    };
    for (const auto& c : cases) {
        const SkinRect r = PlaceByAnchor(design, c.anchor, designSize, window);
        EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}),
                  (std::array{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}))
            << "anchor " << c.anchor;
    }
}

TEST(ElementPlacement, EdgeFlagsStretchOrFollow) {
    const SkinRect design{10, 20, 60, 40};
    const FrameSize designSize{100, 80};
    const FrameSize window{150, 120}; // 50 wider, 40 taller
    struct Case {
        uint32_t edges[4]; // left, top, right, bottom
        SkinRect expected;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, {10, 20, 60, 40}},  // nothing anchored keeps the design place
        {{1, 1, 0, 0}, {10, 20, 60, 40}},  // near edges alone too
        {{1, 0, 1, 0}, {10, 20, 110, 40}}, // left and right stretch
        {{0, 0, 1, 0}, {60, 20, 110, 40}}, // right alone follows at the design width
        {{0, 1, 0, 1}, {10, 20, 60, 80}},  {{0, 0, 0, 1}, {10, 60, 60, 80}},
        {{1, 1, 1, 1}, {10, 20, 110, 80}}, {{0, 0, 1, 1}, {60, 60, 110, 80}},
    };
    for (const auto& c : cases) {
        const SkinRect r = PlaceByEdges(design, c.edges, designSize, window);
        EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}),
                  (std::array{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}))
            << c.edges[0] << c.edges[1] << c.edges[2] << c.edges[3];
    }
}

// Events: m move inside, o leave, d press, u release inside, U release
// outside, D double click. The harness keeps the hover poll as the button
// does: running from a move inside until the pointer leaves.
struct Outcome {
    int state;
    ButtonAction lastAction;
    int actions;
};

Outcome Play(uint32_t kind, bool toggle, const std::string& events) {
    CaptionButtonModel model(kind, toggle);
    bool polling = false;
    Outcome run{model.State(), ButtonAction::kNone, 0};
    for (char e : events) {
        ButtonAction action = ButtonAction::kNone;
        switch (e) {
        case 'm':
            model.MoveInside();
            polling = true;
            break;
        case 'o':
            model.Leave();
            polling = false;
            break;
        case 'd':
            action = model.Press();
            break;
        case 'u':
            action = model.Release(true, polling);
            break;
        case 'U':
            action = model.Release(false, polling);
            break;
        case 'D':
            action = model.DoubleClick();
            break;
        }
        if (action != ButtonAction::kNone) {
            run.lastAction = action;
            ++run.actions;
        }
    }
    run.state = model.State();
    return run;
}

TEST(CaptionButtonModel, LooksAndActionsForMouseSequences) {
    using A = ButtonAction;
    constexpr int kHover = CaptionButtonModel::kHover;
    constexpr int kPressed = CaptionButtonModel::kPressed;
    constexpr int kNormal = CaptionButtonModel::kNormal;
    struct Case {
        uint32_t kind;
        bool toggle;
        const char* events;
        int state;
        A action;
        int actions;
    };
    const Case cases[] = {
        {kButtonClose, false, "mdu", kHover, A::kClose, 1},
        {kButtonClose, false, "du", kNormal, A::kClose, 1},   // no hover poll: back to normal
        {kButtonClose, false, "mdomu", kHover, A::kNone, 0},  // the press was forgotten on leaving
        {kButtonClose, false, "mdUmu", kHover, A::kNone, 0},  // a release outside ends the press
        {kButtonClose, false, "mdmm", kPressed, A::kNone, 0}, // moves inside keep it pressed
        {kButtonCommand, false, "mdu", kHover, A::kCommand, 1},
        {kButtonCommand, false, "mduDu", kHover, A::kCommand, 2}, // a fast second click counts
        {kButtonMaximize, false, "mdu", kNormal, A::kMaximizeRestore, 1},
        {kButtonMinimize, false, "mdu", kNormal, A::kMinimizeRestore, 1},
        {kButtonWindowIcon, false, "mdu", kHover, A::kNone, 0},
        {kButtonSystemMenu, false, "md", kHover, A::kSystemMenu, 1}, // opens on the press
        {kButtonSystemMenu, false, "mD", kHover, A::kClose, 1},
        {kButtonCommand, true, "m", kNormal, A::kNone, 0}, // toggles never hover
        {kButtonCommand, true, "mdu", kPressed, A::kCommand, 1},
        {kButtonCommand, true, "mduo", kPressed, A::kCommand, 1}, // and keep their state on leaving
        {kButtonCommand, true, "mdudu", kNormal, A::kCommand, 2},
        {kButtonMaximize, true, "mdu", kNormal, A::kMaximizeRestore, 1},
    };
    for (const auto& c : cases) {
        const Outcome run = Play(c.kind, c.toggle, c.events);
        EXPECT_EQ(run.state, c.state) << "kind " << c.kind << " toggle " << c.toggle << " " << c.events;
        EXPECT_EQ(run.lastAction, c.action) << "kind " << c.kind << " toggle " << c.toggle << " " << c.events;
        EXPECT_EQ(run.actions, c.actions) << "kind " << c.kind << " toggle " << c.toggle << " " << c.events;
    }
}

} // namespace
