#include "ControlKinds.h"

#include <iterator>

namespace {

constexpr ClassKindEntry kTable[] = {
    {"Button", kKindPushButton},
    {"CheckBox", kKindCheckBox},
    {"ComboBox", kKindComboBox},
    {"Edit", kKindEdit},
    {"GroupBox", kKindGroupBox},
    {"ListBox", kKindListBox},
    {"msctls_progress32", kKindProgress},
    {"Radio", kKindRadio},
    {"ScrollBar", kKindScrollBar},
    {"msctls_trackbar32", kKindTrackbar},
    {"Static", kKindStatic},
    {"msctls_statusbar32", kKindStatusBar},
    {"SysTabControl32", kKindTabControl},
    {"ToolbarWindow32", kKindToolbar},
    {"AfxControlBar42", kKindControlBar},
    {"AfxControlBar42d", kKindControlBar},
    {"AfxControlBar42s", kKindControlBar},
    {"AfxControlBar42sd", kKindControlBar},
    {"AfxControlBar42su", kKindControlBar},
    {"AfxControlBar42sud", kKindControlBar},
    {"AfxControlBar42u", kKindControlBar},
    {"AfxControlBar42ud", kKindControlBar},
    {"AfxControlBar70", kKindControlBar},
    {"AfxControlBar70d", kKindControlBar},
    {"AfxControlBar70s", kKindControlBar},
    {"AfxControlBar70sd", kKindControlBar},
    {"AfxControlBar70su", kKindControlBar},
    {"AfxControlBar70sud", kKindControlBar},
    {"AfxControlBar70u", kKindControlBar},
    {"AfxControlBar70ud", kKindControlBar},
    {"SysIPAddress32", kKindIpAddress},
    {"msctls_updown32", kKindUpDown},
    {"SysListView32", kKindListView},
    {"SysTreeView32", kKindTreeView},
    {"RICHEDIT", kKindRichEdit},
    {"SysDateTimePick32", kKindDateTime},
    {"SysMonthCal32", kKindMonthCalendar},
    {"ReBarWindow32", kKindRebar},
    {"SysHeader32", kKindHeader},
    {"SysAnimate32", kKindAnimation},
    {"Link Window", kKindLink},
};

constexpr uint32_t kCbsSimple = 1;

} // namespace

ControlKind KindForClassName(std::string_view className) {
    for (const auto& entry : kTable) {
        if (className == entry.className) return entry.kind;
    }
    return kKindNone;
}

std::string_view RefineButtonClass(uint32_t style) {
    // A switch over the whole type, not bit tests: split buttons (0xC, 0xD),
    // the push box (0xA) and command links (0xE, 0xF) are push buttons.
    switch (style & 0xF) {
    case 0x2: // BS_CHECKBOX
    case 0x3: // BS_AUTOCHECKBOX
    case 0x5: // BS_3STATE
    case 0x6: // BS_AUTO3STATE
        return "CheckBox";
    case 0x4: // BS_RADIOBUTTON
    case 0x9: // BS_AUTORADIOBUTTON
        return "Radio";
    case 0x7: // BS_GROUPBOX
        return "GroupBox";
    default:
        return "Button";
    }
}

bool ComboListIsListBox(uint32_t comboStyle) {
    // The type is the low two bits: 1 simple, 2 drop-down, 3 drop-down list.
    return (comboStyle & 3) == kCbsSimple;
}

ControlKind KindForWindow(std::string_view className, uint32_t style, uint32_t parentStyle) {
    if (className == "Button") return KindForClassName(RefineButtonClass(style));
    if (className == "ComboLBox") return ComboListIsListBox(parentStyle) ? kKindListBox : kKindNone;
    return KindForClassName(className);
}

int ObjectTypeForKind(ControlKind kind) {
    return kind == kKindLink ? kKindStatic : kind;
}

const ClassKindEntry* ClassKindTable(std::size_t& count) {
    count = std::size(kTable);
    return kTable;
}
