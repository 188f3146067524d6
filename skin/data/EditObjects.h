#pragma once
// Edit family (edit, list box, IP address, list view, rich edit) and the tree
// view built on it.

#include "ControlObject.h"

// One class for codes 7, 9, 26, 28 and 30.
class EditObject : public ControlObject {
    SKIN_RECORD_IO
public:
    explicit EditObject(int typeCode);

    ImageRef background{};
};

class TreeViewObject : public EditObject {
    SKIN_RECORD_IO
public:
    TreeViewObject();

    NineGridImage activeItem{};
    NineGridImage inactiveItem{};
    uint32_t activeColor;
    uint32_t inactiveColor;
    TextEffect activeText;
    TextEffect inactiveText = TextEffect::Default();
};

// One class for codes 6 (combo box) and 33 (its drop-down list).
class ComboBoxObject : public ControlObject {
    SKIN_RECORD_IO
public:
    explicit ComboBoxObject(int typeCode);

    enum Thumb {
        Normal,
        Pressed,
        Hovered,
        Disabled,
        ThumbCount
    };
    NineGridImage thumbs[ThumbCount] = {};
    uint32_t focusColor;
    uint32_t focusTextColor;
    uint32_t disabledBackground;
    uint32_t disabledText;
};
