// Frame element rules without a window system: visibility codes, placement
// by anchor code and by edge flags, frame-area hit codes, system-menu items,
// and the caption button's looks and actions under mouse sequences.
#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <string>

#include "CaptionButtonModel.h"
#include "ElementRules.h"
#include "FrameHitTest.h"

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

TEST(ElementPlacement, DesignExtentAndScaling) {
    const SkinRect parts[kFramePartCount] = {{0, 0, 8, 30},    {8, 0, 268, 30},    {268, 0, 276, 30},
                                             {0, 30, 8, 156},  {8, 30, 268, 156},  {268, 30, 276, 156},
                                             {0, 156, 8, 160}, {8, 156, 268, 160}, {268, 156, 276, 160}};
    EXPECT_EQ(DesignExtent(parts), (FrameSize{276, 160}));
    const SkinRect scaled = ScaleRectForDpi(SkinRect{251, 5, 272, 26}, 144);
    EXPECT_EQ((std::array{scaled.left, scaled.top, scaled.right, scaled.bottom}),
              (std::array{377, 8, 408, 39}));
}

TEST(FrameAreaHits, KindsGiveCaptionOrBorderCodes) {
    const int expected[] = {kHitNowhere,  kHitCaption, kHitLeft,        kHitTopLeft, kHitTop,
                            kHitTopRight, kHitRight,   kHitBottomRight, kHitBottom,  kHitBottomLeft,
                            kHitCaption,  kHitNowhere, kHitNowhere};
    for (uint32_t kind = 0; kind < std::size(expected); ++kind) {
        EXPECT_EQ(AreaHitCode(kind), expected[kind]) << "kind " << kind;
    }
}

TEST(SystemMenuItems, EnabledByWindowStateAndStyle) {
    const uint32_t full = kStyleThickFrame | kStyleMinimizeBox | kStyleMaximizeBox;
    const uint32_t commands[] = {kScRestore, kScSize, kScMove, kScMinimize, kScMaximize, kScClose};
    struct Case {
        bool zoomed, minimized;
        uint32_t style;
        const char* expected; // restore size move minimize maximize close
    };
    const Case cases[] = {
        {false, false, full, "011111"}, {true, false, full, "100101"}, {false, true, full, "100011"},
        {false, false, 0, "001001"}, // a fixed dialog: no size, minimize or maximize
        {true, false, 0, "100001"},
    };
    for (const auto& c : cases) {
        std::string got;
        for (uint32_t command : commands)
            got += SystemMenuItemEnabled(command, c.zoomed, c.minimized, c.style) ? '1' : '0';
        EXPECT_EQ(got, c.expected) << "zoomed " << c.zoomed << " minimized " << c.minimized << " style "
                                   << c.style;
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
        {kButtonClose, false, "m", kHover, A::kNone, 0},
        {kButtonClose, false, "md", kPressed, A::kNone, 0},
        {kButtonClose, false, "mdu", kHover, A::kClose, 1},
        {kButtonClose, false, "du", kNormal, A::kClose, 1},   // no hover poll: back to normal
        {kButtonClose, false, "mdo", kNormal, A::kNone, 0},   // leaving shows normal
        {kButtonClose, false, "mdoU", kNormal, A::kNone, 0},  // released outside: nothing
        {kButtonClose, false, "mdomu", kHover, A::kNone, 0},  // the press was forgotten on leaving
        {kButtonClose, false, "mdUmu", kHover, A::kNone, 0},  // a release outside ends the press
        {kButtonClose, false, "mu", kHover, A::kNone, 0},     // release without press
        {kButtonClose, false, "mdmm", kPressed, A::kNone, 0}, // moves inside keep it pressed
        {kButtonCommand, false, "mdu", kHover, A::kCommand, 1},
        {kButtonCommand, false, "mduDu", kHover, A::kCommand, 2}, // a fast second click counts
        {kButtonMaximize, false, "mdu", kNormal, A::kMaximizeRestore, 1},
        {kButtonMinimize, false, "mdu", kNormal, A::kMinimizeRestore, 1},
        {kButtonWindowIcon, false, "mdu", kHover, A::kNone, 0},
        {kButtonSystemMenu, false, "md", kHover, A::kSystemMenu, 1}, // opens on the press
        {kButtonSystemMenu, false, "mdu", kHover, A::kSystemMenu, 1},
        {kButtonSystemMenu, false, "mD", kHover, A::kClose, 1},
        {kButtonCommand, true, "m", kNormal, A::kNone, 0}, // toggles never hover
        {kButtonCommand, true, "md", kNormal, A::kNone, 0},
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
