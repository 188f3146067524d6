// Decisions of the static, edit, combo box and progress bar skinners that
// need no window system: text formats, border widths, combo box geometry
// and button state, progress bar arithmetic. Plain functions, so native
// tests can check them.
#pragma once

#include <cstdint>

#include "SkinRect.h"

// Static controls. Only text, icon and bitmap statics are skinned; simple
// and owner-drawn ones, and the frame and rectangle types (whose lines a
// skin has no picture for), keep the system's drawing.
bool StaticIsSkinned(uint32_t style);

// The DrawText format (DT_ flags) that draws a static's text as its styles
// ask: alignment, wrapping, vertical centring, prefix and ellipsis.
uint32_t StaticTextFormat(uint32_t style, uint32_t exStyle);

// System sizes the border width rule is made of.
struct EdgeMetrics {
    int edgeX = 2;     // SM_CXEDGE
    int edgeY = 2;     // SM_CYEDGE
    int dlgFrameX = 3; // SM_CXDLGFRAME
    int dlgFrameY = 3; // SM_CYDLGFRAME
    int borderX = 1;   // SM_CXBORDER
    int borderY = 1;   // SM_CYBORDER
};

struct BorderWidth {
    int x = 0;
    int y = 0;
    bool IsEmpty() const { return x <= 0 && y <= 0; }
};

// Width of the frame the system draws around an edit (or another scroll
// host) that the skin's BORDER picture replaces.
BorderWidth ScrollHostBorder(uint32_t style, uint32_t exStyle, const EdgeMetrics& metrics);

// Combo boxes: attach refuses simple and owner-draw-variable combos.
bool ComboIsSkinned(uint32_t style);
// Owner-draw-fixed combos keep the content their owner draws.
bool ComboHasOwnerContent(uint32_t style);
// Drop-down combos (not drop-down lists) show their text in an edit child.
bool ComboHasEdit(uint32_t style);

struct ComboMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct ComboLayout {
    SkinRect inner;      // inside the frame image's margins
    SkinRect dropButton; // the drop button
    SkinRect text;       // where the selection's text is written
    SkinRect hoverZone;  // where the mouse lights the drop button
};

// Drop button width and hover zone width at 96 dots per inch.
constexpr int kComboButtonWidth = 18;
constexpr int kComboHoverWidth = 16;

// `buttonWidth` and `hoverWidth` are the two widths above scaled for the
// control's display.
ComboLayout LayoutCombo(int width, int height, const ComboMargins& margins,
                        int buttonWidth = kComboButtonWidth, int hoverWidth = kComboHoverWidth);
bool InRect(const SkinRect& rect, int x, int y);

enum class ComboButtonState : int {
    kNormal = 0,
    kHover = 1,
    kPressed = 2,
};

// Which THUMB picture draws the drop button: a disabled combo shows the
// disabled one whatever the mouse does.
enum ComboThumb : int {
    kThumbNormal = 0,
    kThumbPressed = 1,
    kThumbHovered = 2,
    kThumbDisabled = 3,
};
ComboThumb ComboThumbFor(bool enabled, ComboButtonState state);

// Progress bars. Range and position are the control's 32-bit values; every
// computation runs in 64 bits so that ranges up to the whole int32 span
// neither overflow nor lose the bar.

// Pixels of the bar: (pos - min) x width / (max - min), 0 when the range is
// empty, never outside 0..width.
int ProgressBarLength(int32_t pos, int32_t low, int32_t high, int width);
// `value` held inside the range (the ends in either order).
int32_t ProgressClamp(int64_t value, int32_t low, int32_t high);
// One step (PBM_STEPIT): past either end the position starts over from the
// other end, as the control does.
int32_t ProgressStepped(int32_t pos, int32_t step, int32_t low, int32_t high);
// Whole chunks of `chunkWidth` pixels that fit into a bar of `length`.
int ProgressChunkCount(int length, int chunkWidth);
