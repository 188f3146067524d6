#pragma once
// Base of every skin object: the common fields, the owned children, and the
// property registry through which the runtime and the tools reach values.

#include "ImageRef.h"
#include "MemoryStream.h"
#include "NineGridImage.h"
#include "PropertyEntry.h"
#include "SkinFont.h"
#include "SkinFormatVersion.h"
#include "TextEffect.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Skin;

// What a record reader needs to know about the file being read.
struct RecordContext {
    int minor = 13; // already capped at the newest layout
    int depth = 0;  // nesting depth of the record being read
};

// Deeper nesting than this is not read (children beyond are skipped), so a
// hostile file cannot exhaust the stack.
constexpr int kMaxChildDepth = 32;

constexpr size_t kTextField = 51;

class SkinObject {
public:
    explicit SkinObject(int typeCode);
    virtual ~SkinObject();
    SkinObject(const SkinObject&) = delete;
    SkinObject& operator=(const SkinObject&) = delete;

    virtual uint32_t TransparentColor() const { return 0x00FF00FF; }
    // Frees what Resolve built, then releases the children.
    virtual void Release();
    // Builds fonts and image pieces, then resolves the children.
    virtual void Resolve(Skin& skin);
    // Appends the type code and the record in the layout of minor version
    // `minor` (0..13).
    void Save(MemoryStream& out, int minor) const;
    // Reads the record; the caller has read the type code.
    virtual void Load(MemoryStream& in, const RecordContext& ctx);
    virtual const PropertyEntry* FindProperty(std::string_view key) const;

    int TypeCode() const { return typeCode_; }
    const char* Name() const { return name; }
    void SetName(std::string_view n);

    bool AddChild(std::unique_ptr<SkinObject> child);
    SkinObject* FindChild(std::string_view childName) const;
    const std::map<std::string, std::unique_ptr<SkinObject>>& Children() const { return children_; }

    // Registered properties in registration order.
    const std::vector<PropertyEntry>& Properties() const { return registry_; }
    // Stored fields without a registered key (names of the skin compiler's own).
    const std::vector<PropertyEntry>& StoredFields() const { return stored_; }

    // Common fields.
    char name[kTextField] = {};
    uint32_t color1; // back colour
    uint32_t color2; // text colour
    uint32_t color3 = 0x000000FF;
    char text2[kTextField] = {};
    uint32_t value = 0;
    SkinRect autoPlaceRect{0, 0, 60, 30};
    uint32_t autoPlace = 0;

protected:
    virtual void SaveRecord(MemoryStream& out, int minor) const;

    void Register(const char* key, int type, void* value, int size);
    void Store(const char* key, int type, void* value, int size);

    // Shorthands for the common value types.
    void Register(const char* key, ImageRef& v) { Register(key, PropImageRef, &v, sizeof v); }
    void Register(const char* key, NineGridImage& v) { Register(key, PropNineGrid, &v, sizeof v); }
    void Register(const char* key, TextEffect& v) { Register(key, PropTextEffect, &v, sizeof v); }
    void Register(const char* key, SkinFont& v) { Register(key, PropFont, &v, sizeof v); }
    void RegisterColor(const char* key, uint32_t& v) { Register(key, PropColor, &v, 4); }
    void RegisterInt(const char* key, uint32_t& v) { Register(key, PropInt, &v, 4); }
    void Store(const char* key, ImageRef& v) { Store(key, PropImageRef, &v, sizeof v); }
    void Store(const char* key, NineGridImage& v) { Store(key, PropNineGrid, &v, sizeof v); }
    void Store(const char* key, TextEffect& v) { Store(key, PropTextEffect, &v, sizeof v); }
    void Store(const char* key, SkinFont& v) { Store(key, PropFont, &v, sizeof v); }
    void Store(const char* key, SkinRect& v) { Store(key, PropRect, &v, sizeof v); }
    void StoreColor(const char* key, uint32_t& v) { Store(key, PropColor, &v, 4); }
    void StoreInt(const char* key, uint32_t& v) { Store(key, PropInt, &v, 4); }
    void StoreBytes(const char* key, void* v, int size) { Store(key, PropBytes, v, size); }
    void StoreText(const char* key, char* v, int size) { Store(key, PropString, v, size); }

    std::vector<PropertyEntry> registry_;
    std::vector<PropertyEntry> stored_;

private:
    void LoadChildren(MemoryStream& in, const RecordContext& ctx);

    int typeCode_;
    std::map<std::string, std::unique_ptr<SkinObject>> children_;
};

// A key put together at run time ("NORMAL" "." "IMAGE"), kept for the life
// of the process so that entries can view it; found again without allocating.
const char* ComposedKey(std::string_view a, std::string_view b = {}, std::string_view c = {});

// Keys that differ in one part ("NORMAL.IMAGE", "PRESSED.IMAGE", ...), for
// a function-local static table: composed once, then a constructor only
// indexes it.
template <size_t N>
std::array<const char*, N> ComposeKeys(std::string_view prefix, const char* const (&middles)[N],
                                       std::string_view suffix) {
    std::array<const char*, N> keys{};
    for (size_t i = 0; i < N; ++i) keys[i] = ComposedKey(prefix, middles[i], suffix);
    return keys;
}

// "value3", "value4", ...: N keys numbered from `first`.
template <size_t N>
std::array<const char*, N> NumberedKeys(std::string_view prefix, int first) {
    std::array<const char*, N> keys{};
    for (size_t i = 0; i < N; ++i) keys[i] = ComposedKey(prefix, std::to_string(first + static_cast<int>(i)));
    return keys;
}

// Name of a table key: the text up to its NUL, at most the field size.
std::string NameKey(const char* text, size_t field);
