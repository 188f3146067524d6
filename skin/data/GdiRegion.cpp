#include "GdiRegion.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

HRGN RegionFromRects(const std::vector<RECT>& rects) {
    if (rects.empty()) return CreateRectRgn(0, 0, 0, 0);
    std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = DWORD(rects.size());
    data->rdh.nRgnSize = DWORD(rects.size() * sizeof(RECT));
    RECT bounds = rects.front();
    for (const RECT& r : rects) {
        bounds.left = std::min(bounds.left, r.left);
        bounds.top = std::min(bounds.top, r.top);
        bounds.right = std::max(bounds.right, r.right);
        bounds.bottom = std::max(bounds.bottom, r.bottom);
    }
    data->rdh.rcBound = bounds;
    std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
    return ExtCreateRegion(nullptr, DWORD(buffer.size()), data);
}

std::vector<RECT> RectsOfRegion(HRGN region) {
    if (!region) return {};
    const DWORD size = GetRegionData(region, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER)) return {};
    std::vector<uint8_t> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (GetRegionData(region, size, data) == 0) return {};
    const DWORD count =
        std::min<DWORD>(data->rdh.nCount, DWORD((size - sizeof(RGNDATAHEADER)) / sizeof(RECT)));
    const auto* first = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(first, first + count);
}
