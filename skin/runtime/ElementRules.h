// Where frame elements lie, when they show, which hit code a frame area
// gives, and what the system menu offers. Plain functions (no window system).
#pragma once

#include <cstdint>

#include "FrameGeometry.h"

// The window state that element visibility codes look at.
struct ElementWindowState {
    bool minimized = false;
    bool zoomed = false;
    bool captionActive = false;
    bool enabled = true;
};

// Codes 0 always, 1 minimized, 2 not minimized, 3 zoomed, 4 not zoomed,
// 5 caption active, 6 caption inactive, 7 enabled, 8 disabled, 9 neither
// zoomed nor minimized; any other code never shows.
bool IsElementVisible(uint32_t code, const ElementWindowState& state);

// The size the frame object was designed for: the far edges of its parts.
FrameSize DesignExtent(const SkinRect (&design)[kFramePartCount]);
SkinRect ScaleRectForDpi(const SkinRect& rect, int dpi);

// Caption buttons and frame images: anchors 2 and 8 follow the bottom edge,
// 4 and 6 the right edge, 5 both; the others keep the design position.
SkinRect PlaceByAnchor(const SkinRect& design, uint32_t anchor, FrameSize designSize, FrameSize window);

// Frame areas: `edges` flags left, top, right, bottom. Left with right
// stretches, right alone follows the right edge at the design width; the
// same for top and bottom.
SkinRect PlaceByEdges(const SkinRect& design, const uint32_t (&edges)[4], FrameSize designSize,
                      FrameSize window);

// Hit code (HT value) of a frame area of `areaKind`.
int AreaHitCode(uint32_t areaKind);

// System commands (SC_ values) the caption buttons and the system menu use.
enum SystemCommand : uint32_t {
    kScSize = 0xF000,
    kScMove = 0xF010,
    kScMinimize = 0xF020,
    kScMaximize = 0xF030,
    kScNextWindow = 0xF040,
    kScClose = 0xF060,
    kScRestore = 0xF120,
};

// Whether a system-menu item is offered enabled for the window's state:
// restore only for a zoomed or minimized window, size and move only for a
// restored one, minimize and maximize unless already so; and never what the
// window style rules out (size without a sizing frame, minimize or maximize
// without their box), since the system would carry the command out anyway.
bool SystemMenuItemEnabled(uint32_t command, bool zoomed, bool minimized, uint32_t style);
