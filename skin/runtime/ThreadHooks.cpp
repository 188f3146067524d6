#include "ThreadHooks.h"

#include <string>

#include "EngineClasses.h"
#include "KeyboardRule.h"
#include "SkinEngine.h"
#include "SkinMessages.h"
#include "SkinObject.h"
#include "SkinWnd.h"
#include "WindowRegistry.h"
#include "WindowText.h"

namespace {

HWND ParentOrOwner(HWND hwnd) {
    if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) return GetParent(hwnd);
    return GetWindow(hwnd, GW_OWNER);
}

void MaybeAttachToolbar(HWND toolbar, HWND parent) {
    const std::string parentClass = WindowClassNameAscii(parent);
    if (parentClass == "ReBarWindow32" || parentClass.rfind("AfxControlBar", 0) == 0) return;
    if (!GetParent(parent)) return;
    if (!(GetWindowLongPtrW(parent, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) return;
    WindowRegistry::Instance().AttachToolbar(toolbar);
}

} // namespace

void SkinNewWindow(HWND hwnd) {
    const std::string className = WindowClassNameAscii(hwnd);
    if (className.empty()) return;
    SkinEngine& engine = SkinEngine::Instance();
    if (className == "#32770") {
        const std::string name = engine.DefaultDialogObject();
        if (!name.empty()) {
            WindowRegistry::Instance().AttachDialog(hwnd, name.c_str());
            return;
        }
    }
    const HWND parent = ParentOrOwner(hwnd);
    if (!parent) return;
    if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) {
        // An MDI child of a skinned frame is a skinned frame of the same look.
        SkinWnd* frame = WindowRegistry::Instance().Lookup(GetParent(parent));
        if (frame && frame->Object() && WindowRegistry::Instance().Lookup(parent)) {
            WindowRegistry::Instance().AttachFrame(hwnd, frame->Object()->Name());
        }
        return;
    }
    if (SkinWnd* skinner = WindowRegistry::Instance().Find(parent)) {
        skinner->AdoptChild(hwnd, false);
        return;
    }
    if (className == "ToolbarWindow32") MaybeAttachToolbar(hwnd, parent);
}

LRESULT CALLBACK CreationHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == WM_CREATE) SkinNewWindow(call->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace {

// Sends the key to the skinner of the active window (or to the window that
// owns an active popup menu); true when the answer asks to swallow it.
bool ForwardMenuKey(WPARAM key, LPARAM flags) {
    HWND active = GetActiveWindow();
    if (!active) return false;
    HWND target = active;
    bool popupMenu = false;
    wchar_t className[100] = {};
    GetClassNameW(active, className, 100);
    if (lstrcmpiW(className, kPopupMenuClass) == 0 && GetPropW(active, kThisProperty)) {
        popupMenu = true;
        if (HWND owner = GetWindow(active, GW_OWNER)) target = owner;
    }
    SkinWnd* skinner = WindowRegistry::Instance().Lookup(target);
    if (skinner) return SendMessageW(skinner->Hwnd(), kWmSkinMenuKey, key, flags) != 0;
    if (popupMenu) return SendMessageW(target, kWmSkinMenuKey, key, flags) != 0;
    return false;
}

} // namespace

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto flags = static_cast<uint32_t>(lParam);
        switch (DecideKey(static_cast<unsigned>(wParam), flags)) {
        case KeyDecision::Forward:
            if (ForwardMenuKey(wParam, lParam)) return 1;
            break;
        case KeyDecision::ForwardAlt:
            if (ForwardMenuKey(static_cast<WPARAM>(-1), lParam)) return 1;
            break;
        case KeyDecision::Swallow:
            return 1;
        case KeyDecision::PassOn:
            break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
