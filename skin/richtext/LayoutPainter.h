// Draws laid-out items through a TextDevice.
#pragma once

#include "richtext/Layout.h"
#include "richtext/TextDevice.h"

#include <optional>

namespace richtext {

void PaintLayout(TextDevice& device, const Layout& layout, std::optional<Point> mouse);
void PaintBox(TextDevice& device, const LayoutItem& box);

} // namespace richtext
