#pragma once
// System colours that object defaults refer to. On Windows they come from the
// running system; elsewhere fixed classic values stand in.

#include <cstdint>

enum class SysColorIndex : int {
    ActiveCaption = 2,
    InactiveCaption = 3,
    Window = 5,
    WindowText = 8,
    CaptionText = 9,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InfoBackground = 24,
};

uint32_t SysColor(SysColorIndex index);
