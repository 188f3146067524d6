#include "SkinEngine.h"

#include <cstring>

#include "EngineClasses.h"
#include "ScrollInterception.h"
#include "SkinTooltip.h"
#include "ThreadHooks.h"
#include "WindowRegistry.h"

SkinEngine::SkinEngine() = default;
SkinEngine::~SkinEngine() = default;

SkinEngine& SkinEngine::Instance() {
    static SkinEngine engine;
    return engine;
}

bool SkinEngine::Startup(HINSTANCE module) {
    {
        std::lock_guard guard(lock_);
        if (!started_) {
            module_ = module;
            if (!RegisterEngineClass(module, kPopupMenuClass, &EngineObjectProc)) return false;
            if (!RegisterEngineClass(module, kTooltipClass, &EngineObjectProc)) {
                UnregisterClassW(kPopupMenuClass, module);
                return false;
            }
            classesRegistered_ = true;
            tooltip_ = std::make_unique<SkinTooltip>();
            if (tooltip_->Create(module)) tooltipWindow_ = tooltip_->Hwnd();
            kind_ = SystemKindFromVersion(GetVersion());
            if (UsesScrollInterception(kind_)) interceptionInstalled_ = InstallScrollInterception();
            if (kind_ == kSystemXp && !CaptureSystemButtonProc()) {
                UndoProcessSetup();
                return false;
            }
            started_ = true;
        }
    }
    std::lock_guard guard(lock_);
    return InstallThreadHooks();
}

bool SkinEngine::CaptureSystemButtonProc() {
    if (!RegisterEngineClass(module_, kCompatibleClass, &DefWindowProcW)) return false;
    HWND probe = CreateWindowExW(0, kCompatibleClass, L"", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr,
                                 module_, nullptr);
    if (!probe) {
        UnregisterClassW(kCompatibleClass, module_);
        return false;
    }
    if (HWND button =
            CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, probe, nullptr, module_, nullptr)) {
        systemButtonProc_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(button, GCLP_WNDPROC));
        DestroyWindow(button);
    }
    DestroyWindow(probe);
    return true;
}

void SkinEngine::UndoProcessSetup() {
    if (interceptionInstalled_) RemoveScrollInterception();
    interceptionInstalled_ = false;
    tooltip_.reset();
    tooltipWindow_ = nullptr;
    if (classesRegistered_) {
        UnregisterClassW(kTooltipClass, module_);
        UnregisterClassW(kPopupMenuClass, module_);
        UnregisterClassW(kCompatibleClass, module_);
    }
    classesRegistered_ = false;
}

bool SkinEngine::InstallThreadHooks() {
    const DWORD thread = GetCurrentThreadId();
    if (!creationHooks_.count(thread)) {
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &CreationHookProc, nullptr, thread);
        if (!hook) return false;
        creationHooks_[thread] = hook;
    }
    if (!keyboardHooks_.count(thread)) {
        HHOOK hook = SetWindowsHookExW(WH_KEYBOARD, &KeyboardHookProc, nullptr, thread);
        if (!hook) return false;
        keyboardHooks_[thread] = hook;
    }
    return true;
}

void SkinEngine::RemoveThreadHooks() {
    const DWORD thread = GetCurrentThreadId();
    if (auto it = creationHooks_.find(thread); it != creationHooks_.end()) {
        UnhookWindowsHookEx(it->second);
        creationHooks_.erase(it);
    }
    if (auto it = keyboardHooks_.find(thread); it != keyboardHooks_.end()) {
        UnhookWindowsHookEx(it->second);
        keyboardHooks_.erase(it);
    }
}

void SkinEngine::Shutdown() {
    if (!started_) return;
    {
        std::lock_guard guard(lock_);
        RemoveThreadHooks();
    }
    defaultDialog_[0] = '\0';
    UndoProcessSetup();
    WindowRegistry::Instance().Reset();
    std::lock_guard guard(lock_);
    // Hooks of other threads cannot be removed from here; forget them so a
    // later start-up installs fresh ones.
    creationHooks_.clear();
    keyboardHooks_.clear();
    systemButtonProc_ = nullptr;
    started_ = false;
}

void SkinEngine::SetDefaultDialogObject(const std::string& name) {
    std::lock_guard guard(lock_);
    size_t length = 0;
    // Cut at 50 bytes without splitting a two-byte character.
    while (length < name.size() && name[length] != '\0') {
        const bool lead = static_cast<unsigned char>(name[length]) >= 0x81;
        const size_t step = lead && length + 1 < name.size() ? 2 : 1;
        if (length + step > 50) break;
        length += step;
    }
    std::memcpy(defaultDialog_, name.data(), length);
    defaultDialog_[length] = '\0';
}

std::string SkinEngine::DefaultDialogObject() const {
    std::lock_guard guard(lock_);
    return defaultDialog_;
}

HHOOK SkinEngine::CreationHookOf(DWORD thread) const {
    std::lock_guard guard(lock_);
    auto it = creationHooks_.find(thread);
    return it == creationHooks_.end() ? nullptr : it->second;
}

HHOOK SkinEngine::KeyboardHookOf(DWORD thread) const {
    std::lock_guard guard(lock_);
    auto it = keyboardHooks_.find(thread);
    return it == keyboardHooks_.end() ? nullptr : it->second;
}
