#include "ResolutionDigits.h"

#include <cstring>

namespace {
int DigitIndex(const char* digits, std::size_t length, std::size_t position) {
    if (position >= length) return -1;
    return static_cast<unsigned char>(digits[position]) - '0';
}

char OneDigit(int index) {
    return (index >= 0 && index <= 9) ? static_cast<char>('0' + index) : '0';
}
} // namespace

RecordingOptions ParseResolutionDigits(const char* digits) {
    std::size_t length = digits ? strnlen(digits, 8) : 0;
    RecordingOptions o;
    o.resolution = DigitIndex(digits, length, 0);
    if (o.resolution > 1) o.resolution = 1;
    o.photoSize = DigitIndex(digits, length, 1);
    o.segment = DigitIndex(digits, length, 2);
    o.startupPicture = DigitIndex(digits, length, 6);
    o.powerOff = DigitIndex(digits, length, 7);
    return o;
}

std::string ComposeResolutionDigits(const RecordingOptions& o) {
    std::string d(8, '0');
    d[0] = o.resolution == 1 ? '2' : '0';
    d[1] = OneDigit(o.photoSize);
    d[2] = OneDigit(o.segment);
    d[3] = '0';
    d[4] = '0';
    d[5] = '1';
    d[6] = OneDigit(o.startupPicture);
    d[7] = OneDigit(o.powerOff);
    return d;
}
