#include "SkinControlBar.h"

#include "ControlObject.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "WindowRegistry.h"

void SkinControlBar::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (const auto* bar = dynamic_cast<const ControlObject*>(object_)) {
        DrawNineGrid(dc, client, bar->mainImage, WindowRegistry::Instance().CurrentSkin(),
                     GetSysColor(COLOR_BTNFACE), false);
    }
}
