#include "SkinLink.h"

#include "GdiMask.h"
#include "GdiSurface.h"
#include "MiscControlObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "WindowBelow.h"
#include "WindowRegistry.h"

void SkinLink::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    const auto* label = dynamic_cast<const StaticObject*>(object_);
    if (label && label->transparent) {
        PaintWindowBelow(dc, hwnd_, client);
    } else {
        const COLORREF back = label ? label->color1 & 0xFFFFFF : GetSysColor(COLOR_BTNFACE);
        const COLORREF old = SetBkColor(dc, back);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        SetBkColor(dc, old);
        if (label)
            DrawNineGrid(dc, client, label->mainImage, WindowRegistry::Instance().CurrentSkin(), back, false);
    }
    // The control paints on the window colour, which is then left out.
    GdiSurface own(dc, client.right, client.bottom);
    if (!own.Ok()) return;
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF old = SetBkColor(own.Dc(), window);
    ExtTextOutW(own.Dc(), 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    SetBkColor(own.Dc(), old);
    CallPrev(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own.Dc()), PRF_CLIENT);
    if (HBITMAP mask = CreateKeyMask(own, window)) {
        BlitThroughMaskAndOr(dc, 0, 0, own, mask, window);
        DeleteObject(mask);
    }
}
