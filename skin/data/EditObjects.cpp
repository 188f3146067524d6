#include "EditObjects.h"

#include "SystemColors.h"

EditObject::EditObject(int typeCode) : ControlObject(typeCode) {
    color1 = SysColor(SysColorIndex::Window);
    color2 = SysColor(SysColorIndex::WindowText);
    color3 = SysColor(SysColorIndex::ButtonFace);
    RegisterMainImage("BORDER");
    RegisterColor("DISABLEDCOLOR", color1);
    RegisterColor("BACKCOLOR", color1);
    Register("BACKGROUND", background);
}

template <typename IO>
void EditObject::Fields(IO& io, int) {
    io(background);
}

SKIN_RECORD_IO_IMPL(EditObject, ControlObject, {
    if (minor <= 10) {
        color1 = SysColor(SysColorIndex::Window);
        color2 = SysColor(SysColorIndex::WindowText);
        color3 = SysColor(SysColorIndex::ButtonFace);
    }
})

TreeViewObject::TreeViewObject()
    : EditObject(29),
      activeColor(SysColor(SysColorIndex::Highlight)),
      inactiveColor(SysColor(SysColorIndex::InactiveCaption)),
      activeText(TextEffect::WithTextColor(SysColor(SysColorIndex::HighlightText))) {
    Register("ACTIVEITEM", activeItem);
    Register("INACTIVEITEM", inactiveItem);
    RegisterColor("ACTIVECOLOR", activeColor);
    RegisterColor("INACTIVECOLOR", inactiveColor);
    Register("ACTIVETEXT", activeText);
    Register("INACTIVETEXT", inactiveText);
}

template <typename IO>
void TreeViewObject::Fields(IO& io, int minor) {
    if (minor >= 12) {
        io(activeItem);
        io(inactiveItem);
        io(activeColor);
        io(inactiveColor);
        io(activeText);
        io(inactiveText);
    }
}

SKIN_RECORD_IO_IMPL(TreeViewObject, EditObject, {})

ComboBoxObject::ComboBoxObject(int typeCode)
    : ControlObject(typeCode),
      focusColor(SysColor(SysColorIndex::Highlight)),
      focusTextColor(SysColor(SysColorIndex::HighlightText)),
      disabledBackground(SysColor(SysColorIndex::ButtonFace)),
      disabledText(SysColor(SysColorIndex::GrayText)) {
    color1 = SysColor(SysColorIndex::Window);
    color2 = SysColor(SysColorIndex::WindowText);
    Register("THUMB.NORMAL", thumbs[Normal]);
    Register("THUMB.PRESSED", thumbs[Pressed]);
    Register("THUMB.HOVERED", thumbs[Hovered]);
    Register("THUMB.DISABLED", thumbs[Disabled]);
    RegisterColor("COLOR.FOCUSTEXTCOLOR", focusTextColor);
    RegisterColor("COLOR.FOCUS", focusColor);
    RegisterColor("COLOR.BACKCOLOR", color1);
    RegisterColor("COLOR.TEXTCOLOR", color2);
    RegisterColor("COLOR.DISABLEDBACKGROUND", disabledBackground);
    RegisterColor("COLOR.DISABLEDTEXT", disabledText);
}

template <typename IO>
void ComboBoxObject::Fields(IO& io, int minor) {
    io(thumbs);
    io(focusColor);
    if (minor >= 11) {
        io(disabledBackground);
        io(disabledText);
        io(focusTextColor);
    }
}

SKIN_RECORD_IO_IMPL(ComboBoxObject, ControlObject, {
    if (minor <= 10) {
        if (minor < 9) {
            color1 = SysColor(SysColorIndex::ButtonFace);
            color2 = SysColor(SysColorIndex::ButtonText);
        }
        disabledBackground = color1;
        disabledText = color2;
        color1 = SysColor(SysColorIndex::Window);
        color2 = SysColor(SysColorIndex::WindowText);
    }
})
