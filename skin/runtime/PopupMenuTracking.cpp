// The loop that runs a tracked popup menu until menu mode ends.
#include "Skin.h"
#include "SkinMenus.h"
#include "SkinMessages.h"
#include "SkinPopupMenu.h"
#include "WindowRegistry.h"
#include "WorkArea.h"

namespace {

constexpr int kPopupMenuType = 17;

} // namespace

int SkinTrackPopupMenu(HMENU menu, int x, int y, HWND owner, bool systemMenu) {
    if (!menu || !IsMenu(menu)) return 0;
    SkinPopupMenu popup(owner, systemMenu ? SkinPopupMenu::kSystemMenu : SkinPopupMenu::kDropDown);
    if (IsWindow(owner)) SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    popup.UseObject(WindowRegistry::Instance().CurrentSkin().FindObjectByType(kPopupMenuType));
    if (!popup.Create()) return 0;
    popup.Fill(menu);
    const SIZE size = popup.Measure();
    popup.Place(PlaceTrackedPopup(x, y, size.cx, size.cy,
                                  WorkAreaOf(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST))));
    popup.Show();

    MSG msg;
    while (!popup.Done()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The application is quitting: end the menu and leave the quit
            // message for the application's own loop.
            popup.EndMenu();
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (msg.message == WM_NCLBUTTONDOWN || msg.message == WM_NCLBUTTONDBLCLK) {
            if (!systemMenu) {
                DispatchMessageW(&msg);
                continue;
            }
            popup.Close();
            DispatchMessageW(&msg);
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            popup.EndMenu();
            break;
        }
        // WM_SKIN_MENUENDED of this menu comes with its done flag; one left
        // over from an earlier menu must not end this one.
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    popup.Close();
    return 0;
}
