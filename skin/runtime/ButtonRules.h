// The decisions of the button skinners that need no window system: which
// state image a push button shows, which look a check box or radio button
// takes and where its images fall back to, the auto check cycle, radio
// groups, and where content sits inside a button.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "ControlKinds.h"
#include "SkinRect.h"
#include "SystemKind.h"

// Button style bits (the BS_ values), usable where windows.h is not.
constexpr uint32_t kBsTypeMask = 0xF;
constexpr uint32_t kBsDefPushButton = 0x1;
constexpr uint32_t kBsAutoCheckBox = 0x3;
constexpr uint32_t kBsAuto3State = 0x6;
constexpr uint32_t kBsAutoRadioButton = 0x9;
constexpr uint32_t kBsOwnerDraw = 0xB;
constexpr uint32_t kBsLeftText = 0x20;
constexpr uint32_t kBsIcon = 0x40;
constexpr uint32_t kBsBitmap = 0x80;
constexpr uint32_t kBsLeft = 0x100;
constexpr uint32_t kBsRight = 0x200;
constexpr uint32_t kBsCenter = 0x300;
constexpr uint32_t kBsTop = 0x400;
constexpr uint32_t kBsBottom = 0x800;
constexpr uint32_t kBsVCenter = 0xC00;
constexpr uint32_t kBsMultiline = 0x2000;
constexpr uint32_t kWsExRtlReading = 0x2000;

// Check states as BM_GETCHECK reports them.
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kIndeterminate = 2;

// Same order as the push-button object's state blocks.
enum class PushLook : int {
    kNormal,
    kPressed,
    kDefault,
    kFocused,
    kHighlighted,
    kDisabled,
};

struct PushLookInput {
    bool enabled = true;
    bool pushed = false; // BST_PUSHED, or held down by mouse or space bar
    bool hovering = false;
    bool hasHighlightImage = false;
    bool checked = false;
    bool focused = false;
    bool isDefault = false;
};

PushLook ChoosePushLook(const PushLookInput& in);

// Same order as the check-box object's state blocks.
enum class CheckLook : int {
    kNormal,
    kSelected,
    kDisabled,
    kGrayedNormal,
    kGrayedSelected,
    kHighlightedNormal,
    kHighlightedSelected,
};
constexpr int kCheckLookCount = 7;

struct CheckLookInput {
    bool checkBox = true; // false: radio button
    bool enabled = true;
    int checkState = kUnchecked;
    bool pushed = false; // BST_PUSHED
    bool focused = false;
    bool hovering = false;
    bool pressed = false; // mouse or space bar held on the control
};

// The look of background and text. A pressed check box looks checked (its
// click would check it); a radio button shows its check only once it has
// it. An indeterminate check box counts as checked here.
CheckLook ChooseCheckLook(const CheckLookInput& in);
// The look of the glyph: an enabled indeterminate check box shows the
// grayed check, so that its third state is neither taken for unchecked nor
// for checked; otherwise `look`.
CheckLook ChooseGlyphLook(const CheckLookInput& in, CheckLook look);

// Looks whose image stands in, in order, when a look's image is empty.
struct LookChain {
    int count = 0;
    CheckLook looks[3]{};
};
LookChain BackgroundChain(CheckLook look, bool checkBox);
LookChain GlyphChain(CheckLook look, bool checkBox);
// The first look of the chain whose bit in `emptyMask` (1 << look) is
// clear, or -1 when every image of the chain is empty.
int FirstNonEmpty(const LookChain& chain, unsigned emptyMask);

// The check state a click leaves: auto check boxes toggle, auto 3-state
// boxes cycle unchecked, checked, indeterminate; other types keep theirs.
int NextCheckState(uint32_t style, int state);

// The siblings (in window order) that make up the radio group of the one at
// `index`, as [first, last): back to the nearest one with WS_GROUP (itself
// included; the first sibling when none has it), then forward up to, not
// including, the next one with WS_GROUP.
std::pair<std::size_t, std::size_t> RadioGroupRange(const std::vector<bool>& startsGroup, std::size_t index);

// Owner-drawn buttons are left to their owner.
bool IsOwnerDrawnButton(uint32_t style);

// An item of width x height placed in `area` by the button's alignment
// style; without a horizontal style push buttons centre, the others align
// left. An item at least as large as the area keeps the area's size.
SkinRect AlignContent(const SkinRect& area, int width, int height, uint32_t style, bool pushButton);

// DrawText format of a button's text (the DT_ values).
uint32_t ButtonTextFormat(uint32_t style, uint32_t exStyle);

// Where a check box or radio button puts its glyph and its text inside the
// content area.
struct GlyphLayout {
    SkinRect glyph;
    SkinRect text;
};
GlyphLayout LayOutGlyph(const SkinRect& content, int glyphWidth, int glyphHeight, uint32_t style);

// Group box: the caption box for a text of textWidth x textHeight with the
// caption image's margins around it, and the frame below it.
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
SkinRect GroupCaptionRect(const SkinRect& client, int textWidth, int textHeight, const Margins& margins,
                          uint32_t style);
SkinRect GroupFrameRect(const SkinRect& client, const SkinRect& caption);

// On Windows XP a button subclassed under a procedure pseudo-handle is run
// through the system button procedure captured at start-up. The handles
// are 32-bit values; 64-bit code addresses are never taken for one.
bool UsesSystemButtonProc(SystemKind system, ControlKind kind, uint64_t previousProc);
