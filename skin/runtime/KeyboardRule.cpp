#include "KeyboardRule.h"

namespace {
constexpr uint32_t kAltHeld = 1u << 29;
constexpr uint32_t kReleased = 1u << 31;
} // namespace

KeyDecision DecideKey(unsigned virtualKey, uint32_t flags) {
    const bool altHeld = (flags & kAltHeld) != 0;
    const bool pressed = (flags & kReleased) == 0;
    if (virtualKey == kVkF10) return KeyDecision::Forward;
    if (virtualKey != kVkMenu) return altHeld && pressed ? KeyDecision::Forward : KeyDecision::PassOn;
    return altHeld ? KeyDecision::ForwardAlt : KeyDecision::Swallow;
}
