// The entries the application calls. Every result is advisory: a failure
// leaves the windows with the platform's own look.
#include "SkinEntries.h"

#include <memory>

#include "Cp936Text.h"
#include "Skin.h"
#include "SkinEngine.h"
#include "SkinWnd.h"
#include "WindowRegistry.h"

namespace {

bool MakeCurrent(std::unique_ptr<Skin> skin) {
    const FormatVersion version = skin->Version();
    if (!WindowRegistry::Instance().MakeCurrent(std::move(skin))) return false;
    SkinEngine::Instance().SetFormatVersion(version);
    return true;
}

} // namespace

bool SkinStartup(HINSTANCE module, const wchar_t*, const wchar_t*, const wchar_t*) {
    return SkinEngine::Instance().Startup(module);
}

void SkinShutdown() {
    SkinEngine::Instance().Shutdown();
}

bool SkinLoadFile(const wchar_t* path) {
    if (!SkinEngine::Instance().Started() || !path) return false;
    auto skin = std::make_unique<Skin>();
    if (!skin->LoadFile(std::filesystem::path(path))) return false;
    return MakeCurrent(std::move(skin));
}

bool SkinLoadResource(HMODULE module, const wchar_t* name, const wchar_t* type) {
    if (!SkinEngine::Instance().Started()) return false;
    HRSRC resource = FindResourceW(module, name, type);
    if (!resource) return false;
    HGLOBAL loaded = LoadResource(module, resource);
    const DWORD size = SizeofResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return false;
    auto skin = std::make_unique<Skin>();
    if (!skin->LoadMemory(bytes, size)) return false;
    return MakeCurrent(std::move(skin));
}

bool SkinAttachWindow(HWND window, const wchar_t* objectName) {
    if (!SkinEngine::Instance().Started()) return false;
    const std::string name = objectName ? Cp936FromWide(objectName) : std::string();
    return WindowRegistry::Instance().AttachFrame(window, objectName ? name.c_str() : nullptr);
}

bool SkinSetDialogDefault(const wchar_t* objectName) {
    if (!SkinEngine::Instance().Started()) return false;
    SkinEngine::Instance().SetDefaultDialogObject(objectName ? Cp936FromWide(objectName) : std::string());
    return true;
}

bool SkinClearDialogDefault() {
    if (!SkinEngine::Instance().Started()) return false;
    SkinEngine::Instance().SetDefaultDialogObject({});
    return true;
}

bool SkinSetTooltipText(HWND window, const wchar_t* text) {
    if (!SkinEngine::Instance().Started()) return false;
    SkinWnd* skinner = WindowRegistry::Instance().Lookup(window);
    if (!skinner) return false;
    skinner->SetTooltipText(text);
    return true;
}
