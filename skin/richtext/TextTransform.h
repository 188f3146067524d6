// Case changes of a text run before it is measured or drawn.
#pragma once

#include "richtext/TextStyle.h"

#include <string>

namespace richtext {

// Upper and lower case cover Basic Latin and Latin-1; capitalising upper-cases
// each letter a to z that starts the run or follows a blank.
void ApplyTransform(std::u16string& text, Transform transform);

} // namespace richtext
