// Private window messages of the skin runtime. The values are fixed: other
// programs (and our own skinners) send them by number.
#pragma once

constexpr unsigned kWmSkinMenuClickOut = 6024;
constexpr unsigned kWmSkinMenuClickOut2 = 6025;
constexpr unsigned kWmSkinMenuMoveOut = 6026;
constexpr unsigned kWmSkinMenuEnded = 6027;
constexpr unsigned kWmSkinMdiChildGone = 6028;
constexpr unsigned kWmSkinInitScroll = 6029;
constexpr unsigned kWmSkinInitScrollCtl = 6030;
constexpr unsigned kWmSkinMenuCloseSub = 6032;
constexpr unsigned kWmSkinMenuChoose = 6033;
constexpr unsigned kWmSkinRemoveChild = 6035;
constexpr unsigned kWmSkinMenuKey = 6036;
constexpr unsigned kWmSkinChildBkgnd = 6037;
constexpr unsigned kWmSkinSaveFont = 6038;
constexpr unsigned kWmSkinGetStyle = 6041;
// Posted by the system-menu caption button: open the menu at the screen
// point in lParam once the mouse message that asked for it is done.
constexpr unsigned kWmSkinSystemMenu = 6042;
// Posted by an animation control's play thread: show the newest frame of
// play run wParam.
constexpr unsigned kWmSkinAnimateFrame = 6043;
constexpr unsigned kWmSkinQuerySkip = 0x8000 + 1000; // WM_APP + 1000

// The usual spellings, for applications that handle them.
#define WM_SKIN_MENUCLICKOUT kWmSkinMenuClickOut
#define WM_SKIN_MENUMOVEOUT kWmSkinMenuMoveOut
#define WM_SKIN_MENUENDED kWmSkinMenuEnded
#define WM_SKIN_MDICHILDGONE kWmSkinMdiChildGone
#define WM_SKIN_INITSCROLL kWmSkinInitScroll
#define WM_SKIN_INITSCROLLCTL kWmSkinInitScrollCtl
#define WM_SKIN_MENUCLOSESUB kWmSkinMenuCloseSub
#define WM_SKIN_MENUCHOOSE kWmSkinMenuChoose
#define WM_SKIN_REMOVECHILD kWmSkinRemoveChild
#define WM_SKIN_MENUKEY kWmSkinMenuKey
#define WM_SKIN_CHILDBKGND kWmSkinChildBkgnd
#define WM_SKIN_SAVEFONT kWmSkinSaveFont
#define WM_SKIN_GETSTYLE kWmSkinGetStyle
#define WM_SKIN_SYSTEMMENU kWmSkinSystemMenu
#define WM_SKIN_ANIMATEFRAME kWmSkinAnimateFrame
#define WM_SKIN_QUERYSKIP kWmSkinQuerySkip
