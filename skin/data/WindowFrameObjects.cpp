#include "WindowFrameObjects.h"
#include "Skin.h"

#include "SystemColors.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {
const char* const kPieceNames[] = {"TOPLEFT",     "MIDDLETOP",  "TOPRIGHT",     "MIDDLELEFT", "ClIENT",
                                   "MIDDLERIGHT", "BOTTOMLEFt", "BOTTOMMIDDLE", "BOTtoMRIGHT"};
const char* const kPieceFields[] = {"topleft",     "topmiddle",  "topright",     "middleleft", "client",
                                    "middleright", "bottomleft", "bottommiddle", "bottomright"};
} // namespace

WindowFrameObject::WindowFrameObject(int typeCode, int w, int h, int border) : SkinObject(typeCode) {
    if (border == 0) {
        // The frame window's designed 276 x 160 frame with its caption.
        const SkinRect r[PieceCount] = {{0, 0, 86, 30},    {86, 0, 173, 30},    {173, 0, 276, 30},
                                        {0, 30, 10, 148},  {10, 30, 266, 148},  {266, 30, 276, 148},
                                        {0, 148, 10, 160}, {10, 148, 266, 160}, {266, 148, 276, 160}};
        for (int i = 0; i < PieceCount; ++i) designRects[i] = r[i];
    } else {
        const int xs[4] = {0, border, w - border, w};
        const int ys[4] = {0, border, h - border, h};
        for (int i = 0; i < PieceCount; ++i)
            designRects[i] = SkinRect{xs[i % 3], ys[i / 3], xs[i % 3 + 1], ys[i / 3 + 1]};
    }
    static const auto kInactiveKeys = ComposeKeys("inactive.", kPieceFields, "");
    static const auto kDesignKeys = ComposeKeys("design.", kPieceFields, "");
    static const auto kActiveKeys = ComposeKeys("active.", kPieceFields, "");
    for (int i = 0; i < PieceCount; ++i) Store(kInactiveKeys[i], inactiveFrame[i]);
    for (int i = 0; i < PieceCount; ++i) Store(kDesignKeys[i], designRects[i]);
    Store("captionfont", captionFont);
    StoreInt("value3", value3);
    StoreInt("value4", value4);
    StoreColor("activecolor", activeColor);
    StoreColor("inactivecolor", inactiveColor);
    StoreColor("clientcolor", clientColor);
    Store("captioneffect", captionEffect);
    Store("minimized.active", minimizedActive);
    Store("minimized.inactive", minimizedInactive);
    for (int i = 0; i < PieceCount; ++i) Store(kActiveKeys[i], activeFrame[i]);
}

void WindowFrameObject::RegisterPieces(const PieceKeys& keys, ImageRef* pieces) {
    for (int i = 0; i < PieceCount; ++i) Register(keys[i], pieces[i]);
}

template <typename IO>
void WindowFrameObject::Fields(IO& io, int minor) {
    io(activeFrame);
    io(inactiveFrame);
    io(designRects);
    io(captionFont);
    io(value3);
    io(value4);
    io(activeColor);
    io(inactiveColor);
    io(clientColor);
    if (minor >= 3) io(captionEffect);
    if (minor >= 13) {
        io(minimizedActive);
        io(minimizedInactive);
    }
}

SKIN_RECORD_IO_IMPL(WindowFrameObject, SkinObject, {
    if (minor >= 3 && minor <= 8) captionEffect = TextEffect::Default();
})

void WindowFrameObject::Release() {
    for (ResolvedImage& p : pieces_) p.Release();
    SkinObject::Release();
}

void WindowFrameObject::Resolve(Skin& skin) {
    Release();
    for (int i = 0; i < PieceCount; ++i) {
        ResolveImageRef(skin, activeFrame[i], pieces_[i]);
        ResolveImageRef(skin, inactiveFrame[i], pieces_[PieceCount + i]);
    }
    SkinObject::Resolve(skin);
}

FrameWindowObject::FrameWindowObject()
    : WindowFrameObject(1, 276, 160, 0), menuBar(std::make_unique<MenuBarObject>()) {
    static const PieceKeys kActiveKeys = ComposeKeys("ACTIVEFRAME.", kPieceNames, "");
    static const PieceKeys kInactiveKeys = ComposeKeys("DEACTIVEFRAME.", kPieceNames, "");
    RegisterPieces(kActiveKeys, activeFrame);
    RegisterColor("ACTIVEFRAME.COLOR", activeColor);
    RegisterPieces(kInactiveKeys, inactiveFrame);
    RegisterColor("DEACTIVEFRAME.COLOR", inactiveColor);
    Register("CAPTIONFONT", captionFont);
    RegisterInt("SKINCLIENT", skinClient);
    Register("MDICLIENT", mdiClient);
}

template <typename IO>
void FrameWindowObject::Fields(IO& io, int minor) {
    // The embedded menu-bar record carries its own type code, not looked at.
    if constexpr (IO::kLoading) {
        uint32_t menuBarCode = 0;
        io(menuBarCode);
        menuBar->Load(io.Stream(), RecordContext{minor, 1});
    } else {
        menuBar->Save(io.Stream(), minor);
    }
    if (minor >= 6) {
        io(skinClient);
        io(mdiClient);
    }
}

SKIN_RECORD_IO_IMPL(FrameWindowObject, WindowFrameObject, {})

void FrameWindowObject::Release() {
    menuBar->Release();
    WindowFrameObject::Release();
}

void FrameWindowObject::Resolve(Skin& skin) {
    WindowFrameObject::Resolve(skin);
    menuBar->Resolve(skin);
}

PopupMenuObject::PopupMenuObject()
    : WindowFrameObject(17, 278, 152, 4),
      itemEffects{TextEffect::Default(), TextEffect::Default(), TextEffect::Default()} {
    activeColor = 0x00E2B61D;
    static const PieceKeys kFrameKeys = ComposeKeys("FRAME.", kPieceNames, "");
    RegisterPieces(kFrameKeys, activeFrame);
    RegisterColor("FRAME.COLOR", activeColor);
    Register("ITEM.FONT", captionFont);
    RegisterColor("ITEM.ACTIVECOLOR", itemActiveColor);
    RegisterColor("ITEM.SEPARATORCOLOR", itemSeparatorColor);
    Register("ITEM.ACTIVEIMAGE", itemActiveImage);
    Register("ITEM.SEPARATORIMAGE", itemSeparatorImage);
    Register("ITEM.SUBMENU", itemSubmenu);
    Register("ITEM.CHECKIMAGE", itemCheckImage);
    Store("item.normaleffect", itemEffects[0]);
    Store("item.grayedeffect", itemEffects[1]);
    Store("item.activeeffect", itemEffects[2]);
}

template <typename IO>
void PopupMenuObject::Fields(IO& io, int minor) {
    io(itemEffects);
    io(itemActiveColor);
    io(itemSeparatorColor);
    io(itemSeparatorImage);
    io(itemActiveImage);
    io(itemSubmenu);
    if (minor >= 3) io(itemCheckImage);
}

SKIN_RECORD_IO_IMPL(PopupMenuObject, WindowFrameObject, {})

TooltipObject::TooltipObject() : WindowFrameObject(42, 278, 152, 1) {
    clientColor = SysColor(SysColorIndex::InfoBackground);
    StoreInt("showdelay", showDelay);
    StoreInt("hidedelay", hideDelay);
    StoreInt("placement", placement);
    Store("tiptext", PropLongText, &text, 0);
}

template <typename IO>
void TooltipObject::Fields(IO& io, int) {
    io(showDelay);
    io(hideDelay);
    io(placement);
    MemoryStream& s = io.Stream();
    if constexpr (IO::kLoading) {
        uint32_t length = 0;
        io(length);
        // The stored length is not trusted beyond the bytes that remain.
        const size_t n = std::min<size_t>(length, s.Remaining());
        text.assign(reinterpret_cast<const char*>(s.Cursor()), n);
        s.Seek(static_cast<long long>(n), MemoryStream::Current);
        text.resize(strnlen(text.c_str(), text.size()));
    } else {
        uint32_t length = static_cast<uint32_t>(text.size());
        io(length);
        s.Write(text.data(), text.size());
    }
}

SKIN_RECORD_IO_IMPL(TooltipObject, WindowFrameObject, {})
