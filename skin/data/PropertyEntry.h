#pragma once
// One named value of a skin object: where it lives and how to read it.

#include <cstdint>
#include <string>
#include <string_view>

enum PropertyType : int {
    PropFont = 0,       // SkinFont, 64 bytes
    PropString = 1,     // text field, size = field bytes
    PropColor = 2,      // COLORREF, 4 bytes
    PropImageRef = 3,   // ImageRef, 72 bytes
    PropNineGrid = 4,   // NineGridImage, 88 bytes
    PropInt = 6,        // u32 value or flag
    PropControlId = 7,  // u32 control id
    PropTextEffect = 9, // TextEffect, 16 bytes
    // Stored fields that are not registered under a key; the skin compiler
    // reaches them through the same entries.
    PropRect = 101,     // four i32
    PropBytes = 102,    // raw bytes kept as stored
    PropLongText = 103, // std::string of any length
};

struct PropertyEntry {
    int type = 0;
    int size = 0;
    void* value = nullptr;
    bool ownsValue = false;
    // Views of text that outlives the entry: the string literal a class
    // registers, or the key field of a custom property. Registering objects
    // by the hundred per skin must not allocate per key.
    std::string_view key;     // at most 30 characters
    std::string_view fullKey; // as registered (lookup only); may be longer
    std::string defaultText;  // at most 50 characters

    static constexpr size_t kMaxKey = 30;
    static constexpr size_t kMaxDefault = 50;
};
