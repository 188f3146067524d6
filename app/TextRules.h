// Character rules of the recorder's text fields (bytes in GBK).
#pragma once

#include <string>

// True when every byte is "0"-"9", "a"-"z" or "A"-"Z" (an empty text passes).
bool IsLetterOrDigitText(const std::string& bytes);
