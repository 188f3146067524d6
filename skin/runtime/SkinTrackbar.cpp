#include "SkinTrackbar.h"

#include <commctrl.h>

#include "NineGridDraw.h"
#include "ScrollObjects.h"
#include "Skin.h"
#include "TurnedDraw.h"
#include "WindowBelow.h"
#include "WindowRegistry.h"

void SkinTrackbar::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const auto* track = dynamic_cast<const TrackbarObject*>(object_);
    if (!track) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    if (track->transparent) {
        PaintWindowBelow(dc, hwnd_, client);
    } else {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        DrawNineGrid(dc, client, track->mainImage, skin, GetSysColor(COLOR_BTNFACE), false);
    }
    RECT channel{};
    RECT thumb{};
    CallPrev(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    CallPrev(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const bool vertical = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & TBS_VERT) != 0;
    const Turn turn = vertical ? Turn::Right : Turn::None;
    const NineGridImage& thumbPicture =
        vertical && !track->thumbVertical.IsEmpty() ? track->thumbVertical : track->thumbHorizontal;
    if (vertical) {
        // The thumb comes in the control's own coordinates; the channel too,
        // unless the control reports it lying, as the system's does.
        thumb = UnturnedRect(thumb, turn, client.right, client.bottom);
        if (channel.bottom - channel.top > channel.right - channel.left) {
            channel = UnturnedRect(channel, turn, client.right, client.bottom);
        }
    }
    DrawTurned(
        dc, client, turn,
        [&](HDC lying, int, int) {
            DrawNineGridKeyed(lying, channel, track->channel, skin, transparentColor_);
            DrawNineGridKeyed(lying, thumb, thumbPicture, skin, transparentColor_);
        },
        true, transparentColor_);
}

LRESULT SkinTrackbar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TBM_SETPOS:
    case TBM_SETRANGE:
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX:
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return CallPrevAndInvalidate(message, wParam, lParam);
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
