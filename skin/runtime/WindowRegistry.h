// The process-wide owner of every skinner, keyed by window, and of the
// current skin. Every operation holds the registry lock (re-entrant: applying
// an object walks children, which registers more skinners).
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

class Skin;
class SkinObject;
class SkinWnd;

class WindowRegistry {
public:
    static WindowRegistry& Instance();

    WindowRegistry();
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // Attach operations: false when the window is registered already or the
    // skin has no fitting object.
    bool AttachFrame(HWND hwnd, const char* objectName);
    bool AttachDialog(HWND hwnd, const char* objectName);
    bool AttachToolbar(HWND hwnd);

    // Takes ownership; returns the skinner, or null (and deletes it) when the
    // window is registered already.
    SkinWnd* Register(std::unique_ptr<SkinWnd> skinner, HWND hwnd);
    // The entry of a registered window holds `skinner` from now on; the old
    // skinner is deleted. Nothing happens for an unregistered window.
    void Replace(std::unique_ptr<SkinWnd> skinner, HWND hwnd);
    // Detaches and deletes the window's skinner; false when there was none.
    bool Unregister(HWND hwnd);
    // The skinner of the window, else of its parent, while the window looked
    // at is a child window.
    SkinWnd* Find(HWND hwnd) const;
    SkinWnd* Lookup(HWND hwnd) const;
    std::size_t Count() const;

    Skin& CurrentSkin();
    // The new skin becomes current and every skinner is re-skinned from it
    // (same name, else the same type code, else dropped).
    bool MakeCurrent(std::unique_ptr<Skin> skin);
    // Detaches and deletes every skinner; the current skin becomes empty.
    void Reset();

    // Objects found by name for a skinner must have the skinner's type code.
    static SkinObject* FindObjectOfType(const Skin& skin, const char* name, int typeCode);

private:
    std::vector<HWND> Snapshot() const;

    mutable std::recursive_mutex lock_;
    std::map<HWND, std::unique_ptr<SkinWnd>> windows_;
    std::unique_ptr<Skin> skin_;
};
