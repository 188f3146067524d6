// Which skinner drives a window: the control kind of a window class, and the
// object type code a kind draws from. Plain functions, so the tables can be
// checked without a window system.
#pragma once

#include <cstdint>
#include <string_view>

enum ControlKind : int {
    kKindNone = 0,
    kKindFrame = 1,
    kKindPushButton = 4,
    kKindCheckBox = 5,
    kKindComboBox = 6,
    kKindEdit = 7,
    kKindGroupBox = 8,
    kKindListBox = 9,
    kKindProgress = 10,
    kKindRadio = 11,
    kKindScrollBar = 12,
    kKindTrackbar = 13,
    kKindStatic = 14,
    kKindStatusBar = 15,
    kKindTabControl = 16,
    kKindToolbar = 23,
    kKindControlBar = 24,
    kKindIpAddress = 26,
    kKindUpDown = 27,
    kKindListView = 28,
    kKindTreeView = 29,
    kKindRichEdit = 30,
    kKindDateTime = 31,
    kKindMonthCalendar = 35,
    kKindRebar = 36,
    kKindHeader = 37,
    kKindAnimation = 40,
    kKindLink = 41,
};

// The kind registered for an exact (case-sensitive) class name; kKindNone
// for names outside the table. "CheckBox", "Radio" and "GroupBox" are the
// names RefineButtonClass gives a "Button".
ControlKind KindForClassName(std::string_view className);

// "Button", "CheckBox", "Radio" or "GroupBox" by the button type in the low
// four style bits.
std::string_view RefineButtonClass(uint32_t style);

// A combo box's list window is skinned as a list box only for a simple combo
// box, whose list is always shown inside it.
bool ComboListIsListBox(uint32_t comboStyle);

// The kind of a child window from its class name and styles: "Button" is
// refined, "ComboLBox" follows its combo box.
ControlKind KindForWindow(std::string_view className, uint32_t style, uint32_t parentStyle);

// Object type code of the skin objects a kind draws from (the link control
// draws as a static).
int ObjectTypeForKind(ControlKind kind);

// Every class name of the table, for tests and diagnostics.
struct ClassKindEntry {
    const char* className;
    ControlKind kind;
};
const ClassKindEntry* ClassKindTable(std::size_t& count);
