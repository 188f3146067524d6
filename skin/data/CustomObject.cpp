#include "CustomObject.h"

#include "SkinValueIO.h"

#include <algorithm>
#include <cctype>

CustomObject::CustomObject() : ControlObject(100) {
    StoreText("text51", text51, kTextField);
}

void CustomObject::Load(MemoryStream& in, const RecordContext& ctx) {
    ControlObject::Load(in, ctx);
    ReadText(in, text51, sizeof text51);
    uint32_t count = 0;
    ReadValue(in, count);
    custom_.clear();
    // Stop at the end of the data: a count is never trusted past it.
    while (count > 0 && in.Remaining() > 0) {
        --count;
        CustomProperty p;
        ReadValue(in, p.type);
        ReadText(in, p.key, sizeof p.key);
        ReadText(in, p.defaultText, sizeof p.defaultText);
        uint32_t size = 0;
        ReadValue(in, size);
        p.value.resize(std::min<size_t>(size, in.Remaining()));
        ReadBytes(in, p.value.data(), p.value.size());
        uint32_t textLength = 0;
        ReadValue(in, textLength);
        if (textLength != 0) {
            p.text.resize(std::min<size_t>(textLength, in.Remaining()));
            ReadBytes(in, p.text.data(), p.text.size());
            if (p.text.empty()) p.text.push_back('\0');
            p.text.back() = '\0';
        }
        custom_.push_back(std::move(p));
    }
    RebuildEntries();
}

void CustomObject::SaveRecord(MemoryStream& out, int minor) const {
    ControlObject::SaveRecord(out, minor);
    WriteText(out, text51, sizeof text51);
    WriteValue(out, static_cast<uint32_t>(custom_.size()));
    for (const CustomProperty& p : custom_) {
        WriteValue(out, p.type);
        WriteText(out, p.key, sizeof p.key);
        WriteText(out, p.defaultText, sizeof p.defaultText);
        WriteValue(out, static_cast<uint32_t>(p.value.size()));
        WriteBytes(out, p.value.data(), p.value.size());
        WriteValue(out, static_cast<uint32_t>(p.text.size()));
        WriteBytes(out, p.text.data(), p.text.size());
    }
}

void CustomObject::SetProperties(std::vector<CustomProperty> list) {
    custom_ = std::move(list);
    RebuildEntries();
}

void CustomObject::RebuildEntries() {
    customEntries_.clear();
    for (CustomProperty& p : custom_) {
        PropertyEntry e;
        e.type = static_cast<int>(p.type);
        e.size = static_cast<int>(p.value.size());
        e.value = p.value.data();
        e.ownsValue = true; // the value lives in the property list, not in a field
        // The key views the property's own field, which lives as long as
        // the list the entries are rebuilt from.
        e.key = std::string_view(p.key, strnlen(p.key, sizeof p.key)).substr(0, PropertyEntry::kMaxKey);
        e.fullKey = e.key;
        e.defaultText = std::string(p.defaultText, strnlen(p.defaultText, sizeof p.defaultText))
                            .substr(0, PropertyEntry::kMaxDefault);
        customEntries_.push_back(std::move(e));
    }
}

const PropertyEntry* CustomObject::FindProperty(std::string_view key) const {
    auto same = [key](std::string_view k) {
        return k.size() == key.size() && std::equal(k.begin(), k.end(), key.begin(), [](char a, char b) {
                   return std::toupper(static_cast<unsigned char>(a)) ==
                          std::toupper(static_cast<unsigned char>(b));
               });
    };
    for (const PropertyEntry& e : customEntries_)
        if (same(e.key)) return &e;
    for (const PropertyEntry& e : registry_)
        if (same(e.key)) return &e;
    return nullptr;
}
