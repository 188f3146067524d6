#include "TextRules.h"

bool IsLetterOrDigitText(const std::string& bytes) {
    for (unsigned char c : bytes) {
        bool ok = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!ok) return false;
    }
    return true;
}
