// The eight recording-option digits exchanged with the recorder, and the
// combo-box selections they stand for.
#pragma once

#include <string>

struct RecordingOptions {
    int resolution = 0;     // 0 "1920*1080", 1 "1280*720"
    int photoSize = 0;      // 0..3
    int segment = 0;        // 0..3
    int startupPicture = 0; // 0..1
    int powerOff = 0;       // 0..3
};

// Indexes read from the recorder's digits. A digit maps to the index of the
// same value without range check (an index outside the list then selects
// nothing), except the resolution, where any digit above 1 means 1280*720.
// Missing characters give -1.
RecordingOptions ParseResolutionDigits(const char* digits);

// The eight digits to send. A box without a selection (negative index) or an
// index that does not fit one digit is sent as "0", so that the text always
// has exactly eight digits.
std::string ComposeResolutionDigits(const RecordingOptions& options);
