// What the keyboard hook does with one key event. A plain function of the
// virtual key and the hook's flag word (bit 29: Alt held, bit 31: released),
// so the rule can be checked without hooks.
#pragma once

#include <cstdint>

enum class KeyDecision {
    PassOn,     // to the next hook and the window
    Forward,    // WM_SKIN_MENUKEY with the key; a non-zero answer swallows it
    ForwardAlt, // WM_SKIN_MENUKEY with wParam -1; a non-zero answer swallows it
    Swallow,    // nobody sees it
};

constexpr unsigned kVkMenu = 0x12; // Alt
constexpr unsigned kVkF10 = 0x79;

KeyDecision DecideKey(unsigned virtualKey, uint32_t flags);
