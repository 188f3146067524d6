#include "Skin.h"

#include "PlainObjects.h"

Skin::Skin() = default;

// Freeing a skin does not touch the process-wide format version: the skin
// being freed is usually not the current one any more.
Skin::~Skin() {
    for (auto& [name, object] : objects_) object->Release();
}

void Skin::Clear() {
    std::lock_guard guard(lock_);
    for (auto& [name, object] : objects_) object->Release();
    objects_.clear();
    images_.clear();
    auxiliaries_.clear();
    infoKnown_ = false;
    version_ = FormatVersion{};
    SetCurrentFormatVersion(version_);
}

void Skin::PutObject(std::unique_ptr<SkinObject> object) {
    std::lock_guard guard(lock_);
    std::string key = NameKey(object->name, sizeof object->name);
    objects_[std::move(key)] = std::move(object);
    infoKnown_ = false;
}

void Skin::PutImage(std::unique_ptr<ImageObject> image) {
    std::lock_guard guard(lock_);
    std::string key = NameKey(image->name, sizeof image->name);
    images_[std::move(key)] = std::move(image);
}

void Skin::PutAuxiliary(std::unique_ptr<SkinObject> object) {
    std::lock_guard guard(lock_);
    std::string key = NameKey(object->name, sizeof object->name);
    auxiliaries_[std::move(key)] = std::move(object);
}

void Skin::ResolveAll() {
    std::lock_guard guard(lock_);
    for (auto& [name, object] : objects_) object->Resolve(*this);
}

SkinObject* Skin::FindObject(std::string_view name) const {
    std::lock_guard guard(lock_);
    const std::string key(name);
    if (auto it = objects_.find(key); it != objects_.end()) return it->second.get();
    for (const auto& [topName, object] : objects_) {
        if (SkinObject* child = object->FindChild(name)) return child;
    }
    if (auto it = images_.find(key); it != images_.end()) return it->second.get();
    if (auto it = auxiliaries_.find(key); it != auxiliaries_.end()) return it->second.get();
    return nullptr;
}

SkinObject* Skin::FindObjectByType(int typeCode) const {
    std::lock_guard guard(lock_);
    // Control bars are drawn like toolbars.
    const int wanted = typeCode == 24 ? 23 : typeCode;
    for (const auto& [name, object] : objects_) {
        if (object->TypeCode() == wanted) return object.get();
    }
    return nullptr;
}

const DibImage* Skin::FindImage(const char* name) const {
    std::lock_guard guard(lock_);
    const auto it = images_.find(name ? std::string(name) : std::string());
    return it == images_.end() ? nullptr : &it->second->Image();
}

bool Skin::GetTransparency(uint32_t& colour, bool& useTransparentColour) const {
    std::lock_guard guard(lock_);
    if (!infoKnown_) {
        info_ = FindObjectByType(25);
        infoKnown_ = true;
    }
    const auto* info = static_cast<const SkinInfoObject*>(info_);
    if (!info) return false;
    colour = info->color3;
    useTransparentColour = info->useTransparentColor != 0;
    return true;
}
