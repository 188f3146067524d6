// Draws laid-out items through a TextDevice.
#pragma once

#include "richtext/Layout.h"
#include "richtext/TextDevice.h"

#include <optional>

namespace richtext {

void paintLayout(TextDevice& device, const Layout& layout, std::optional<Point> mouse);
void paintBox(TextDevice& device, const LayoutItem& box);

} // namespace richtext
