// Process-wide state of the skin runtime: whether it runs, the module its
// windows belong to, the per-thread hooks, the default dialog object, the
// system kind and the engine's own windows.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "SkinFormatVersion.h"
#include "SystemKind.h"

class SkinTooltip;

class SkinEngine {
public:
    static SkinEngine& Instance();

    // Process-wide set-up, then the calling thread's hooks. A failed set-up
    // undoes everything it made.
    bool Startup(HINSTANCE module);
    void Shutdown();
    bool Started() const { return started_; }

    HINSTANCE Module() const { return module_; }
    SystemKind Kind() const { return kind_; }
    WNDPROC SystemButtonProc() const { return systemButtonProc_; }
    HWND TooltipWindow() const { return tooltipWindow_; }
    // The shared tooltip; null while the engine is not started.
    SkinTooltip* Tooltip() const { return tooltip_.get(); }

    // At most 50 bytes of the name (code page 936), cut on a character
    // boundary; empty clears it.
    void SetDefaultDialogObject(const std::string& name);
    std::string DefaultDialogObject() const;

    void SetFormatVersion(FormatVersion version) { version_ = version; }
    FormatVersion CurrentFormatVersion() const { return version_; }

    // Hook handles of a thread (tests check that each is installed once).
    HHOOK CreationHookOf(DWORD thread) const;
    HHOOK KeyboardHookOf(DWORD thread) const;

private:
    SkinEngine();
    ~SkinEngine();
    bool InstallThreadHooks();
    void RemoveThreadHooks();
    bool CaptureSystemButtonProc();
    void UndoProcessSetup();

    mutable std::recursive_mutex lock_;
    bool started_ = false;
    bool classesRegistered_ = false;
    bool interceptionInstalled_ = false;
    HINSTANCE module_ = nullptr;
    SystemKind kind_ = kSystemOther;
    WNDPROC systemButtonProc_ = nullptr;
    HWND tooltipWindow_ = nullptr;
    std::unique_ptr<SkinTooltip> tooltip_;
    std::map<DWORD, HHOOK> creationHooks_;
    std::map<DWORD, HHOOK> keyboardHooks_;
    char defaultDialog_[51] = {};
    FormatVersion version_{};
};
