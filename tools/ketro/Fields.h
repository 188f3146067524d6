// The recorder's text fields as the tool names them.
#pragma once

#include <string_view>

namespace ketro_tool {

struct Field {
    const char* name;
    int length; // bytes on the recorder (GBK)
    bool (*get)(char* buf, const char* recorder_id);
    bool (*set)(const char* value, const char* recorder_id); // null: read-only
};

// Every field, in the order `get all` prints them.
const Field* FieldsBegin();
const Field* FieldsEnd();
const Field* FindField(std::string_view name);

} // namespace ketro_tool
