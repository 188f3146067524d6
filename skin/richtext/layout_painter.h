// Draws laid-out items through a TextDevice.
#pragma once

#include "richtext/layout.h"
#include "richtext/text_device.h"

#include <optional>

namespace richtext {

void paintLayout(TextDevice& device, const Layout& layout, std::optional<Point> mouse);
void paintBox(TextDevice& device, const LayoutItem& box);

} // namespace richtext
