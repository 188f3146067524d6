#pragma once
// Elements placed on a frame window: caption buttons, the menu bar, frame
// images and frame areas.

#include "RecordIO.h"
#include "ResolvedImage.h"
#include "SkinObject.h"

class FrameElementObject : public SkinObject {
    SKIN_RECORD_IO
public:
    explicit FrameElementObject(int typeCode);

    ImageRef image{}; // the element's normal image
    uint32_t anchor = 0;
    uint32_t commandId = 1000;
    uint32_t visibility = 0;
    char text[kTextField] = {};
};

class CaptionButtonObject : public FrameElementObject {
    SKIN_RECORD_IO
public:
    CaptionButtonObject();

    enum Kind {
        Command = 0,
        Close = 1,
        WindowIcon = 2,
        MaximizeRestore = 3,
        Minimize = 4,
        SystemMenu = 5
    };
    ImageRef hoverImage{};
    ImageRef pressedImage{};
    ImageRef disabledImage{};
    uint32_t kind = Command;
    uint32_t toggle = 0;
};

// The frame's menu bar: its font, the text of normal, disabled, hot and
// dropped entries, the pictures under hot and dropped entries (their margins
// inset the text), the MDI buttons of a maximized child, and the bar's own
// background (whose margins are the bar's inner margins).
class MenuBarObject : public FrameElementObject {
    SKIN_RECORD_IO
public:
    MenuBarObject();

    // The MDI buttons' pictures: icon, minimize, restore, close, each normal,
    // hover and pressed.
    static constexpr int kMdiButtonCount = 4; // icon, minimize, restore, close
    static constexpr int kMdiStateCount = 3;  // normal, hover, pressed

    SkinFont font = SkinFont::Default("Arial");
    TextEffect normalText{};
    TextEffect disabledText{};
    TextEffect hotText{};
    uint32_t hotColor = 0x00727272;
    NineGridImage hotImage{};
    TextEffect droppedText{};
    uint32_t droppedColor = 0x00E07272;
    NineGridImage droppedImage{};
    ImageRef mdiButtons[kMdiButtonCount * kMdiStateCount] = {};
    NineGridImage background{};
};

// A plain picture on the frame: the element's image, drawn at its design
// rectangle and moved by its anchor. Its record is the element section alone.
class FrameImageObject : public FrameElementObject {
public:
    FrameImageObject();
};

class FrameAreaObject : public FrameElementObject {
    SKIN_RECORD_IO
public:
    FrameAreaObject();

    void Release() override;
    void Resolve(Skin& skin) override;
    const ResolvedImage& Background() const { return background_; }

    uint32_t areaKind = 0;
    uint32_t anchors[4] = {}; // left, top, right, bottom
    uint32_t anchorExtra = 0;
    uint32_t combineMode = 2;
    SkinFont font = SkinFont::Default("MS Sans Serif");
    TextEffect textEffect = TextEffect::Default();
    char areaText[kTextField] = {};
    uint32_t hAlign = 0; // 0 left, 1 centre, 2 right
    uint32_t vAlign = 1; // 0 top, 1 centre, 2 bottom

private:
    ResolvedImage background_;
};
