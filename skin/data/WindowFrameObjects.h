#pragma once
// Objects that draw a whole window frame: frame windows and dialogs, popup
// menus, tooltips.

#include "FrameElementObjects.h"
#include "RecordIO.h"
#include "ResolvedImage.h"
#include "SkinObject.h"

#include <memory>
#include <string>

class WindowFrameObject : public SkinObject {
    SKIN_RECORD_IO
public:
    // Frame piece order, also the order of the stored pieces and rectangles.
    enum Piece {
        TopLeft,
        TopMiddle,
        TopRight,
        MiddleLeft,
        Client,
        MiddleRight,
        BottomLeft,
        BottomMiddle,
        BottomRight,
        PieceCount
    };

    WindowFrameObject(int typeCode, int designWidth, int designHeight, int border);

    void Release() override;
    void Resolve(Skin& skin) override;
    // Resolved pieces: 0-8 active, 9-17 inactive.
    const ResolvedImage& Piece(int index) const { return pieces_[index]; }

    ImageRef activeFrame[PieceCount] = {};
    ImageRef inactiveFrame[PieceCount] = {};
    SkinRect designRects[PieceCount];
    SkinFont captionFont = SkinFont::Default("Arial");
    uint32_t value3 = 0;
    uint32_t value4 = 0;
    uint32_t activeColor = 0x00FF0000;
    uint32_t inactiveColor = 0x00727200;
    uint32_t clientColor = 0x00FFFFFF;
    TextEffect captionEffect = TextEffect::Default();
    NineGridImage minimizedActive{};
    NineGridImage minimizedInactive{};

protected:
    // Registers the nine pieces under PREFIX.TOPLEFT ... PREFIX.BOTtoMRIGHT.
    using PieceKeys = std::array<const char*, PieceCount>;
    void RegisterPieces(const PieceKeys& keys, ImageRef* pieces);

private:
    ResolvedImage pieces_[2 * PieceCount];
};

class FrameWindowObject : public WindowFrameObject {
    SKIN_RECORD_IO
public:
    FrameWindowObject();

    void Release() override;
    void Resolve(Skin& skin) override;

    std::unique_ptr<MenuBarObject> menuBar; // never null
    uint32_t skinClient = 0;
    ImageRef mdiClient{};
};

class PopupMenuObject : public WindowFrameObject {
    SKIN_RECORD_IO
public:
    PopupMenuObject();

    TextEffect itemEffects[3]; // normal, grayed, active item text
    uint32_t itemActiveColor = 0x00FAE6E6;
    uint32_t itemSeparatorColor = 0;
    NineGridImage itemSeparatorImage{};
    NineGridImage itemActiveImage{};
    ImageRef itemSubmenu{};
    ImageRef itemCheckImage{};
};

class TooltipObject : public WindowFrameObject {
    SKIN_RECORD_IO
public:
    TooltipObject();

    uint32_t showDelay = 1000; // ms
    uint32_t hideDelay = 8000; // ms
    uint32_t placement = 0;
    std::string text;
};
