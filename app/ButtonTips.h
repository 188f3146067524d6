// The rich-text tips brevox's buttons show when the mouse rests on them.
#pragma once

#include <windows.h>

#include <span>

struct ButtonTip {
    int id;
    const wchar_t* text;
};

// Gives each button of `dialog` its tip; buttons the skin left unskinned
// simply have none.
void ApplyButtonTips(HWND dialog, std::span<const ButtonTip> tips);
