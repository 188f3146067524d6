#pragma once
// A control object whose properties come from its record: a list of typed,
// named values found without regard to letter case.

#include "ControlObject.h"

#include <string>
#include <vector>

struct CustomProperty {
    uint32_t type = 100;
    char key[31] = {};
    char defaultText[51] = {};
    std::vector<uint8_t> value;
    std::vector<char> text; // with its NUL; empty when the record has none
};

class CustomObject : public ControlObject {
public:
    CustomObject();

    void Load(MemoryStream& in, const RecordContext& ctx) override;
    const PropertyEntry* FindProperty(std::string_view key) const override;

    // Replaces the list (the entries are rebuilt to point at it).
    void SetProperties(std::vector<CustomProperty> list);
    const std::vector<CustomProperty>& CustomProperties() const { return custom_; }
    const std::vector<PropertyEntry>& CustomEntries() const { return customEntries_; }

    char text51[kTextField] = {};

protected:
    void SaveRecord(MemoryStream& out, int minor) const override;

private:
    void RebuildEntries();

    std::vector<CustomProperty> custom_;
    std::vector<PropertyEntry> customEntries_;
};
