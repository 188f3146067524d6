#include "ObjectFactory.h"

#include "BarObjects.h"
#include "ButtonObjects.h"
#include "CustomObject.h"
#include "EditObjects.h"
#include "FrameElementObjects.h"
#include "ImageObject.h"
#include "MiscControlObjects.h"
#include "PlainObjects.h"
#include "ScrollObjects.h"
#include "WindowFrameObjects.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {
// Frame elements (3 caption button, 22 frame image, 38 frame area) are
// read under any parent; only frames make use of them.
constexpr int kChildCodes[] = {3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 22, 23,
                               24, 25, 26, 27, 28, 29, 30, 31, 33, 35, 36, 37, 38, 40, 42, 100};
constexpr int kTopLevelCodes[] = {1,  2,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 23,
                                  24, 25, 26, 27, 28, 29, 30, 31, 33, 35, 36, 37, 38, 39, 40, 42, 100};

// Codes are tested once per four bytes of a damaged body, so membership is
// one table look-up rather than a search of the list.
constexpr int kCodeTableSize = 101;

template <size_t N>
constexpr std::array<bool, kCodeTableSize> CodeTable(const int (&codes)[N]) {
    std::array<bool, kCodeTableSize> table{};
    for (const int code : codes) table[static_cast<size_t>(code)] = true;
    return table;
}

constexpr auto kChildTable = CodeTable(kChildCodes);
constexpr auto kTopLevelTable = CodeTable(kTopLevelCodes);

bool Contains(const std::array<bool, kCodeTableSize>& table, int code) {
    return code >= 0 && code < kCodeTableSize && table[static_cast<size_t>(code)];
}
} // namespace

bool IsTopLevelTypeCode(int code) {
    return Contains(kTopLevelTable, code);
}
bool IsChildTypeCode(int code) {
    return Contains(kChildTable, code);
}

std::unique_ptr<SkinObject> CreateSkinObject(int code) {
    switch (code) {
    case 1:
        return std::make_unique<FrameWindowObject>();
    case 2:
        return std::make_unique<PlainImageObject>();
    case 3:
        return std::make_unique<CaptionButtonObject>();
    case 4:
        return std::make_unique<PushButtonObject>();
    case 5:
    case 11:
        return std::make_unique<CheckBoxObject>(code);
    case 6:
    case 33:
        return std::make_unique<ComboBoxObject>(code);
    case 7:
    case 9:
    case 26:
    case 28:
    case 30:
        return std::make_unique<EditObject>(code);
    case 8:
        return std::make_unique<GroupBoxObject>();
    case 10:
        return std::make_unique<ProgressBarObject>();
    case 12:
        return std::make_unique<ScrollBarObject>();
    case 13:
        return std::make_unique<TrackbarObject>();
    case 14:
        return std::make_unique<StaticObject>();
    case 15:
        return std::make_unique<StatusBarObject>();
    case 16:
        return std::make_unique<TabControlObject>();
    case 17:
        return std::make_unique<PopupMenuObject>();
    case 18:
        return std::make_unique<ImageObject>();
    case 19:
        return std::make_unique<AuxiliaryObject>();
    case 20:
        return std::make_unique<MenuBarObject>();
    case 22:
        return std::make_unique<FrameImageObject>();
    case 23:
        return std::make_unique<ToolbarObject>();
    case 24:
        return std::make_unique<ControlBarObject>();
    case 25:
        return std::make_unique<SkinInfoObject>();
    case 27:
        return std::make_unique<SpinObject>();
    case 29:
        return std::make_unique<TreeViewObject>();
    case 31:
        return std::make_unique<DateTimeObject>();
    case 35:
        return std::make_unique<MonthCalendarObject>();
    case 36:
        return std::make_unique<RebarObject>();
    case 37:
        return std::make_unique<HeaderObject>();
    case 38:
        return std::make_unique<FrameAreaObject>();
    case 39:
        return std::make_unique<PlainValuesObject>();
    case 40:
        return std::make_unique<AnimationObject>();
    case 42:
        return std::make_unique<TooltipObject>();
    case 100:
        return std::make_unique<CustomObject>();
    default:
        return nullptr;
    }
}
