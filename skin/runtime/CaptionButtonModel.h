// The state of a caption button under the mouse, without the window system:
// what each mouse event does to its look and which action a click asks for.
#pragma once

#include <cstdint>

// Button kinds as the skin stores them.
enum CaptionButtonKind : uint32_t {
    kButtonCommand = 0,
    kButtonClose = 1,
    kButtonWindowIcon = 2,
    kButtonMaximize = 3,
    kButtonMinimize = 4,
    kButtonSystemMenu = 5,
};

enum class ButtonAction {
    kNone,
    kCommand,         // WM_COMMAND with the button's command id
    kClose,           // SC_CLOSE
    kMaximizeRestore, // SC_RESTORE when zoomed, else SC_MAXIMIZE
    kMinimizeRestore, // SC_RESTORE when minimized, else SC_MINIMIZE
    kSystemMenu,      // the window's system menu
};

class CaptionButtonModel {
public:
    // Looks: 0 hover, 1 pressed, 3 normal (the skin's numbering).
    enum Look : int {
        kHover = 0,
        kPressed = 1,
        kNormal = 3,
    };

    CaptionButtonModel(uint32_t kind, bool toggle) : kind_(kind), toggle_(toggle) {}

    void MoveInside();
    // The pointer left the button (a move outside or the hover poll). A
    // press is forgotten too: releasing after coming back does nothing.
    void Leave();

    // Button down inside; the system-menu button opens its menu at once.
    ButtonAction Press();
    // Button up; `hovering` tells whether the hover poll still runs. Only a
    // release inside that follows a press inside acts.
    ButtonAction Release(bool inside, bool hovering);
    // A second click that came as a double click: the system-menu button
    // closes the window, every other button takes it as a press.
    ButtonAction DoubleClick();

    int State() const { return state_; }
    bool Captured() const { return captured_; }

private:
    uint32_t kind_;
    bool toggle_;
    int state_ = kNormal;
    bool captured_ = false;
};
