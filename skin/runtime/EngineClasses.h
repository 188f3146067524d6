// The window classes the engine registers for its own windows (popup menus,
// the tooltip, the compatibility probe).
#pragma once

#include <windows.h>

inline constexpr wchar_t kPopupMenuClass[] = L"QuarvelinPopupMenuWnd";
inline constexpr wchar_t kTooltipClass[] = L"QuarvelinTooltip32";
inline constexpr wchar_t kCompatibleClass[] = L"Quarvelin_XP_Compatible";
inline constexpr wchar_t kThisProperty[] = L"this";

// An engine window hands every message to the object given as its creation
// parameter (kept under the "this" property).
class EngineWindowObject {
public:
    virtual ~EngineWindowObject() = default;
    virtual LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

bool RegisterEngineClass(HINSTANCE module, const wchar_t* name, WNDPROC proc);
// The procedure of the popup-menu and tooltip classes.
LRESULT CALLBACK EngineObjectProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
