#include "WindowRegistry.h"

#include "Skin.h"
#include "SkinDialog.h"
#include "SkinEngine.h"
#include "SkinFrameWnd.h"
#include "SkinObject.h"
#include "SkinTooltip.h"
#include "SkinWnd.h"

namespace {
constexpr int kFrameType = 1;
} // namespace

WindowRegistry& WindowRegistry::Instance() {
    static WindowRegistry registry;
    return registry;
}

WindowRegistry::WindowRegistry() : skin_(std::make_unique<Skin>()) {}

WindowRegistry::~WindowRegistry() {
    // Windows are gone by now; only free the skinners.
    std::lock_guard guard(lock_);
    windows_.clear();
}

SkinObject* WindowRegistry::FindObjectOfType(const Skin& skin, const char* name, int typeCode) {
    SkinObject* object = skin.FindObject(name);
    return object && object->TypeCode() == typeCode ? object : nullptr;
}

bool WindowRegistry::AttachFrame(HWND hwnd, const char* objectName) {
    std::lock_guard guard(lock_);
    if (!hwnd || !IsWindow(hwnd) || windows_.count(hwnd)) return false;
    SkinObject* object =
        objectName && *objectName ? skin_->FindObject(objectName) : skin_->FindObjectByType(kFrameType);
    if (!object || object->TypeCode() != kFrameType) return false;
    SkinWnd* skinner = Register(std::make_unique<SkinFrameWnd>(), hwnd);
    if (!skinner) return false;
    skinner->SetObject(object);
    skinner->Attach(hwnd);
    return true;
}

bool WindowRegistry::AttachDialog(HWND hwnd, const char* objectName) {
    std::lock_guard guard(lock_);
    if (!hwnd || !IsWindow(hwnd) || windows_.count(hwnd) || !objectName) return false;
    // Only a frame object can draw a dialog: a name that belongs to an image
    // or a control object never attaches.
    SkinObject* object = FindObjectOfType(*skin_, objectName, kFrameType);
    if (!object) return false;
    SkinWnd* skinner = Register(std::make_unique<SkinDialog>(), hwnd);
    if (!skinner) return false;
    skinner->SetObject(object);
    skinner->Attach(hwnd);
    return true;
}

bool WindowRegistry::AttachToolbar(HWND) {
    // No toolbar skinner yet: toolbars keep the platform's look.
    return false;
}

SkinWnd* WindowRegistry::Register(std::unique_ptr<SkinWnd> skinner, HWND hwnd) {
    std::lock_guard guard(lock_);
    if (!skinner || windows_.count(hwnd)) return nullptr;
    SkinWnd* raw = skinner.get();
    windows_.emplace(hwnd, std::move(skinner));
    return raw;
}

void WindowRegistry::Replace(std::unique_ptr<SkinWnd> skinner, HWND hwnd) {
    std::unique_ptr<SkinWnd> old;
    {
        std::lock_guard guard(lock_);
        auto it = windows_.find(hwnd);
        if (it == windows_.end()) return;
        old = std::move(it->second);
        it->second = std::move(skinner);
    }
}

bool WindowRegistry::Unregister(HWND hwnd) {
    std::lock_guard guard(lock_);
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return false;
    // Out of the map first: detaching drops child skinners, which comes back
    // here, and nothing may find a skinner that is being deleted.
    std::unique_ptr<SkinWnd> skinner = std::move(it->second);
    windows_.erase(it);
    skinner->Detach();
    return true;
}

SkinWnd* WindowRegistry::Lookup(HWND hwnd) const {
    std::lock_guard guard(lock_);
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : it->second.get();
}

SkinWnd* WindowRegistry::Find(HWND hwnd) const {
    std::lock_guard guard(lock_);
    for (HWND window = hwnd; window;) {
        if (SkinWnd* skinner = Lookup(window)) return skinner;
        if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) return nullptr;
        window = GetParent(window);
    }
    return nullptr;
}

std::size_t WindowRegistry::Count() const {
    std::lock_guard guard(lock_);
    return windows_.size();
}

Skin& WindowRegistry::CurrentSkin() {
    std::lock_guard guard(lock_);
    return *skin_;
}

std::vector<HWND> WindowRegistry::Snapshot() const {
    std::vector<HWND> handles;
    handles.reserve(windows_.size());
    for (const auto& entry : windows_) handles.push_back(entry.first);
    return handles;
}

bool WindowRegistry::MakeCurrent(std::unique_ptr<Skin> skin) {
    if (!skin) return false;
    std::lock_guard guard(lock_);
    std::unique_ptr<Skin> old = std::move(skin_);
    skin_ = std::move(skin);

    std::vector<HWND> orphans;
    for (HWND hwnd : Snapshot()) {
        // Applying an object re-walks children and may drop or add skinners:
        // look every window up again.
        SkinWnd* skinner = Lookup(hwnd);
        if (!skinner) continue;
        SkinObject* current = skinner->Object();
        SkinObject* next = nullptr;
        if (current) {
            next = FindObjectOfType(*skin_, current->Name(), current->TypeCode());
            if (!next) next = skin_->FindObjectByType(current->TypeCode());
        }
        if (next) {
            skinner->SetObject(next);
        } else if (!skinner->KeepWithoutObject()) {
            orphans.push_back(hwnd);
        }
    }
    for (HWND hwnd : orphans) Unregister(hwnd);
    // A window re-created under a recycled handle keeps a stale skinner.
    for (HWND hwnd : Snapshot()) {
        SkinWnd* skinner = Lookup(hwnd);
        if (skinner && skinner->Hwnd() != hwnd) {
            auto it = windows_.find(hwnd);
            std::unique_ptr<SkinWnd> stale = std::move(it->second);
            windows_.erase(it);
        }
    }
    // The tooltip is no registered skinner: it lets go of the old skin's
    // object before that goes.
    if (SkinTooltip* tip = SkinEngine::Instance().Tooltip()) {
        tip->Hide();
        tip->SetObject(nullptr);
    }
    old.reset();
    return true;
}

void WindowRegistry::Reset() {
    std::lock_guard guard(lock_);
    for (HWND hwnd : Snapshot()) Unregister(hwnd);
    windows_.clear();
    skin_ = std::make_unique<Skin>();
}
