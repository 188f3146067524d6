#include "ScrollInterception.h"

#include <psapi.h>

#include <cstring>
#include <cwchar>
#include <iterator>
#include <vector>

#include "ScrollEngine.h"

namespace {

// The dispatchers: windows that carry the engine go to it, everything else
// (scroll-bar controls included) to the system.
BOOL WINAPI DispatchEnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
    if (bar != SB_CTL && ScrollEngine::Record(hwnd)) return ScrollEngine::EnableBar(hwnd, bar, arrows);
    return SystemScroll().enableScrollBar(hwnd, bar, arrows);
}

BOOL WINAPI DispatchGetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
    if (bar != SB_CTL && ScrollEngine::Record(hwnd)) return ScrollEngine::GetInfo(hwnd, bar, info);
    return SystemScroll().getScrollInfo(hwnd, bar, info);
}

int WINAPI DispatchGetScrollPos(HWND hwnd, int bar) {
    if (bar != SB_CTL && ScrollEngine::Record(hwnd)) return ScrollEngine::GetPos(hwnd, bar);
    return SystemScroll().getScrollPos(hwnd, bar);
}

BOOL WINAPI DispatchGetScrollRange(HWND hwnd, int bar, LPINT min, LPINT max) {
    if (bar != SB_CTL && ScrollEngine::Record(hwnd)) return ScrollEngine::GetRange(hwnd, bar, min, max);
    return SystemScroll().getScrollRange(hwnd, bar, min, max);
}

int WINAPI DispatchSetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
    if (bar != SB_CTL && ScrollEngine::Record(hwnd)) return ScrollEngine::SetInfo(hwnd, bar, info, redraw);
    return SystemScroll().setScrollInfo(hwnd, bar, info, redraw);
}

int WINAPI DispatchSetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    if (bar != SB_CTL && ScrollEngine::Record(hwnd)) return ScrollEngine::SetPos(hwnd, bar, pos, redraw);
    return SystemScroll().setScrollPos(hwnd, bar, pos, redraw);
}

BOOL WINAPI DispatchSetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
    if (bar != SB_CTL && ScrollEngine::Record(hwnd))
        return ScrollEngine::SetRange(hwnd, bar, min, max, redraw);
    return SystemScroll().setScrollRange(hwnd, bar, min, max, redraw);
}

BOOL WINAPI DispatchShowScrollBar(HWND hwnd, int bar, BOOL show) {
    if (bar != SB_CTL && ScrollEngine::Record(hwnd)) return ScrollEngine::ShowBar(hwnd, bar, show);
    return SystemScroll().showScrollBar(hwnd, bar, show);
}

struct Target {
    const char* name;
    void* dispatcher;
    void* system; // filled from user32's exports
};

Target g_targets[] = {
    {"EnableScrollBar", reinterpret_cast<void*>(&DispatchEnableScrollBar), nullptr},
    {"GetScrollInfo", reinterpret_cast<void*>(&DispatchGetScrollInfo), nullptr},
    {"GetScrollPos", reinterpret_cast<void*>(&DispatchGetScrollPos), nullptr},
    {"GetScrollRange", reinterpret_cast<void*>(&DispatchGetScrollRange), nullptr},
    {"SetScrollInfo", reinterpret_cast<void*>(&DispatchSetScrollInfo), nullptr},
    {"SetScrollPos", reinterpret_cast<void*>(&DispatchSetScrollPos), nullptr},
    {"SetScrollRange", reinterpret_cast<void*>(&DispatchSetScrollRange), nullptr},
    {"ShowScrollBar", reinterpret_cast<void*>(&DispatchShowScrollBar), nullptr},
};

// One redirected import entry and what it held before.
struct Patch {
    HMODULE module;
    void** entry;
    void* original;
    void* dispatcher;
};

std::vector<Patch> g_patches;
bool g_installed = false;

bool WriteEntry(void** entry, void* value) {
    DWORD old = 0;
    if (!VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &old)) return false;
    *entry = value;
    DWORD ignored = 0;
    VirtualProtect(entry, sizeof *entry, old, &ignored);
    return true;
}

void Redirect(HMODULE module, void** entry, void* dispatcher) {
    void* original = *entry;
    if (original == dispatcher) return;
    if (WriteEntry(entry, dispatcher)) g_patches.push_back(Patch{module, entry, original, dispatcher});
}

Target* TargetByAddress(void* address) {
    if (!address) return nullptr;
    for (Target& target : g_targets) {
        if (target.system == address) return &target;
    }
    return nullptr;
}

Target* TargetByName(const char* name) {
    for (Target& target : g_targets) {
        if (std::strcmp(target.name, name) == 0) return &target;
    }
    return nullptr;
}

// Names a user32 import could come under: the DLL itself and the API sets
// that lead to it.
bool NamesUser32(const char* dll) {
    return _stricmp(dll, "user32.dll") == 0 || _stricmp(dll, "user32") == 0 ||
           _strnicmp(dll, "api-ms-win-ntuser-", 18) == 0 || _strnicmp(dll, "ext-ms-win-ntuser-", 18) == 0;
}

const IMAGE_DATA_DIRECTORY* Directory(HMODULE module, int index) {
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC) {
        return nullptr;
    }
    if (static_cast<DWORD>(index) >= nt->OptionalHeader.NumberOfRvaAndSizes) return nullptr;
    const IMAGE_DATA_DIRECTORY* directory = &nt->OptionalHeader.DataDirectory[index];
    return directory->VirtualAddress && directory->Size ? directory : nullptr;
}

// Ordinary imports: bound entries hold the system function's address.
void RedirectImports(HMODULE module) {
    const IMAGE_DATA_DIRECTORY* directory = Directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
    if (!directory) return;
    auto* base = reinterpret_cast<BYTE*>(module);
    for (auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory->VirtualAddress);
         descriptor->Name; ++descriptor) {
        if (!descriptor->FirstThunk) continue;
        for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
             thunk->u1.Function; ++thunk) {
            void** entry = reinterpret_cast<void**>(&thunk->u1.Function);
            if (Target* target = TargetByAddress(*entry)) Redirect(module, entry, target->dispatcher);
        }
    }
}

// Delay-load imports: an entry not yet bound still points at the loader's
// helper, so it is recognised by its name in the name table.
void RedirectDelayImports(HMODULE module) {
    const IMAGE_DATA_DIRECTORY* directory = Directory(module, IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT);
    if (!directory) return;
    auto* base = reinterpret_cast<BYTE*>(module);
    for (auto* descriptor = reinterpret_cast<IMAGE_DELAYLOAD_DESCRIPTOR*>(base + directory->VirtualAddress);
         descriptor->DllNameRVA; ++descriptor) {
        // Only the relative-address layout exists on x86-64.
        if (!(descriptor->Attributes.RvaBased) || !descriptor->ImportAddressTableRVA) continue;
        const bool user32 = NamesUser32(reinterpret_cast<const char*>(base + descriptor->DllNameRVA));
        auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->ImportAddressTableRVA);
        auto* names = descriptor->ImportNameTableRVA
                          ? reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->ImportNameTableRVA)
                          : nullptr;
        for (; thunk->u1.Function; ++thunk) {
            void** entry = reinterpret_cast<void**>(&thunk->u1.Function);
            Target* target = TargetByAddress(*entry);
            if (!target && user32 && names && names->u1.AddressOfData &&
                !IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
                auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                target = TargetByName(reinterpret_cast<const char*>(byName->Name));
            }
            if (target) Redirect(module, entry, target->dispatcher);
            if (names) ++names;
        }
    }
}

bool IsSystemUiModule(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    if (!GetModuleFileNameW(module, path, MAX_PATH)) return false;
    const wchar_t* name = std::wcsrchr(path, L'\\');
    name = name ? name + 1 : path;
    return _wcsicmp(name, L"user32.dll") == 0 || _wcsicmp(name, L"win32u.dll") == 0;
}

std::vector<HMODULE> LoadedModules() {
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    for (;;) {
        const DWORD bytes = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
        if (!EnumProcessModules(GetCurrentProcess(), modules.data(), bytes, &needed)) return {};
        if (needed <= bytes) break;
        modules.resize(needed / sizeof(HMODULE) + 16);
    }
    modules.resize(needed / sizeof(HMODULE));
    return modules;
}

SystemScrollFunctions LoadSystemFunctions() {
    SystemScrollFunctions functions;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) return functions;
    auto get = [user32](const char* name) { return reinterpret_cast<void*>(GetProcAddress(user32, name)); };
    functions.enableScrollBar = reinterpret_cast<decltype(functions.enableScrollBar)>(get("EnableScrollBar"));
    functions.getScrollInfo = reinterpret_cast<decltype(functions.getScrollInfo)>(get("GetScrollInfo"));
    functions.getScrollPos = reinterpret_cast<decltype(functions.getScrollPos)>(get("GetScrollPos"));
    functions.getScrollRange = reinterpret_cast<decltype(functions.getScrollRange)>(get("GetScrollRange"));
    functions.setScrollInfo = reinterpret_cast<decltype(functions.setScrollInfo)>(get("SetScrollInfo"));
    functions.setScrollPos = reinterpret_cast<decltype(functions.setScrollPos)>(get("SetScrollPos"));
    functions.setScrollRange = reinterpret_cast<decltype(functions.setScrollRange)>(get("SetScrollRange"));
    functions.showScrollBar = reinterpret_cast<decltype(functions.showScrollBar)>(get("ShowScrollBar"));
    return functions;
}

} // namespace

const SystemScrollFunctions& SystemScroll() {
    static const SystemScrollFunctions functions = LoadSystemFunctions();
    return functions;
}

bool InstallScrollInterception() {
    if (g_installed) return true;
    const SystemScrollFunctions& system = SystemScroll();
    void* const addresses[] = {
        reinterpret_cast<void*>(system.enableScrollBar), reinterpret_cast<void*>(system.getScrollInfo),
        reinterpret_cast<void*>(system.getScrollPos),    reinterpret_cast<void*>(system.getScrollRange),
        reinterpret_cast<void*>(system.setScrollInfo),   reinterpret_cast<void*>(system.setScrollPos),
        reinterpret_cast<void*>(system.setScrollRange),  reinterpret_cast<void*>(system.showScrollBar)};
    for (size_t i = 0; i < std::size(g_targets); ++i) {
        if (!addresses[i]) return false;
        g_targets[i].system = addresses[i];
    }
    for (HMODULE module : LoadedModules()) {
        if (IsSystemUiModule(module)) continue;
        RedirectImports(module);
        RedirectDelayImports(module);
    }
    g_installed = true;
    return true;
}

void RemoveScrollInterception() {
    // Latest first, so an entry patched twice ends as it began; an entry
    // someone else has changed since is left to them.
    for (auto patch = g_patches.rbegin(); patch != g_patches.rend(); ++patch) {
        if (*patch->entry == patch->dispatcher) WriteEntry(patch->entry, patch->original);
    }
    g_patches.clear();
    g_installed = false;
}

bool ScrollInterceptionInstalled() {
    return g_installed;
}

std::size_t RedirectedEntries(HMODULE module) {
    std::size_t count = 0;
    for (const Patch& patch : g_patches) {
        if (patch.module == module && *patch.entry == patch.dispatcher) ++count;
    }
    return count;
}
