#include "SkinObject.h"

#include "ObjectFactory.h"
#include "SkinValueIO.h"
#include "SystemColors.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <mutex>
#include <set>

namespace {
constexpr size_t kRegistryReserve = 40;
constexpr size_t kStoredReserve = 16;
} // namespace

const char* ComposedKey(std::string_view a, std::string_view b, std::string_view c) {
    char joined[PropertyEntry::kMaxKey * 4];
    const size_t n = std::min(a.size() + b.size() + c.size(), sizeof joined);
    std::string_view parts[] = {a, b, c};
    size_t at = 0;
    for (const std::string_view part : parts) {
        const size_t take = std::min(part.size(), n - at);
        if (take != 0) std::memcpy(joined + at, part.data(), take);
        at += take;
    }
    // Nodes of a set never move, so the text stays where the entries view it.
    static std::mutex lock;
    static std::set<std::string, std::less<>> keys;
    std::lock_guard guard(lock);
    const std::string_view key(joined, at);
    auto found = keys.find(key);
    if (found == keys.end()) found = keys.emplace(key).first;
    return found->c_str();
}

std::string NameKey(const char* text, size_t field) {
    return std::string(text, strnlen(text, field));
}

SkinObject::SkinObject(int typeCode)
    : color1(SysColor(SysColorIndex::ButtonFace)),
      color2(SysColor(SysColorIndex::WindowText)),
      typeCode_(typeCode) {
    // Room for the largest class's keys, so registration does not regrow.
    registry_.reserve(kRegistryReserve);
    stored_.reserve(kStoredReserve);
    Register("NAME", PropString, name, kTextField);
    Register("AUTOPLACE", PropInt, &autoPlace, 4);
    StoreColor("color1", color1);
    StoreColor("color2", color2);
    StoreColor("color3", color3);
    StoreText("text2", text2, kTextField);
    StoreInt("value", value);
    Store("autoplace.rect", autoPlaceRect);
}

SkinObject::~SkinObject() = default;

void SkinObject::SetName(std::string_view n) {
    std::memset(name, 0, sizeof name);
    std::memcpy(name, n.data(), std::min(n.size(), sizeof name - 1));
}

void SkinObject::Register(const char* key, int type, void* v, int size) {
    PropertyEntry e;
    e.type = type;
    e.size = size;
    e.value = v;
    // The entry's key is cut; lookup goes by the key as registered, so a
    // long key is still found by its full spelling.
    e.fullKey = key;
    e.key = e.fullKey.substr(0, PropertyEntry::kMaxKey);
    // A later registration of the same key takes the earlier one's place.
    for (PropertyEntry& old : registry_) {
        if (old.fullKey == e.fullKey) {
            old = e;
            return;
        }
    }
    registry_.push_back(e);
}

void SkinObject::Store(const char* key, int type, void* v, int size) {
    PropertyEntry e;
    e.type = type;
    e.size = size;
    e.value = v;
    e.key = key;
    e.fullKey = e.key;
    stored_.push_back(e);
}

const PropertyEntry* SkinObject::FindProperty(std::string_view key) const {
    char upper[100];
    const size_t n = std::min(key.size(), sizeof upper - 1);
    for (size_t i = 0; i < n; ++i)
        upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(key[i])));
    upper[n] = '\0';
    const std::string_view wanted(upper, strlen(upper));
    for (const PropertyEntry& e : registry_)
        if (e.fullKey == wanted) return &e;
    return nullptr;
}

bool SkinObject::AddChild(std::unique_ptr<SkinObject> child) {
    if (!child) return false;
    return children_.try_emplace(NameKey(child->name, sizeof child->name), std::move(child)).second;
}

SkinObject* SkinObject::FindChild(std::string_view childName) const {
    const auto own = children_.find(std::string(childName));
    if (own != children_.end()) return own->second.get();
    for (const auto& [key, child] : children_) {
        if (SkinObject* hit = child->FindChild(childName)) return hit;
    }
    return nullptr;
}

void SkinObject::Release() {
    for (auto& [key, child] : children_) child->Release();
}

void SkinObject::Resolve(Skin& skin) {
    for (auto& [key, child] : children_) child->Resolve(skin);
}

void SkinObject::Save(MemoryStream& out, int minor) const {
    out.WriteU32(static_cast<uint32_t>(typeCode_));
    SaveRecord(out, EffectiveMinor(minor));
}

void SkinObject::SaveRecord(MemoryStream& out, int minor) const {
    WriteText(out, name, sizeof name);
    WriteValue(out, color1);
    WriteValue(out, color2);
    WriteValue(out, color3);
    WriteText(out, text2, sizeof text2);
    WriteValue(out, value);
    if (minor >= 8) {
        WriteValue(out, autoPlaceRect);
        WriteValue(out, autoPlace);
    }
    WriteValue(out, static_cast<uint32_t>(children_.size()));
    for (const auto& [key, child] : children_) child->Save(out, minor);
}

void SkinObject::Load(MemoryStream& in, const RecordContext& ctx) {
    ReadText(in, name, sizeof name);
    ReadValue(in, color1);
    ReadValue(in, color2);
    ReadValue(in, color3);
    ReadText(in, text2, sizeof text2);
    ReadValue(in, value);
    if (ctx.minor >= 8) {
        ReadValue(in, autoPlaceRect);
        ReadValue(in, autoPlace);
    }
    LoadChildren(in, ctx);
}

void SkinObject::LoadChildren(MemoryStream& in, const RecordContext& ctx) {
    int32_t count = 0;
    ReadValue(in, count);
    // Every child record starts with a type code, so once fewer than four
    // bytes remain the count is spent on nothing; stop there instead of
    // counting down billions of empty records.
    while (count > 0 && in.Remaining() >= 4) {
        uint32_t code = 0;
        in.ReadU32(code);
        --count;
        if (!IsChildTypeCode(static_cast<int>(code))) continue;
        if (ctx.depth + 1 > kMaxChildDepth) {
            // A record this deep cannot be skipped without parsing it: the
            // rest of the body is treated as damaged.
            in.Seek(0, MemoryStream::End);
            return;
        }
        std::unique_ptr<SkinObject> child = CreateSkinObject(static_cast<int>(code));
        if (!child) continue;
        child->Load(in, RecordContext{ctx.minor, ctx.depth + 1});
        AddChild(std::move(child));
    }
}
