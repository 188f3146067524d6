// A dialog for the button tests: buttons of given styles placed in pixels,
// the notifications its procedure receives, and the controls it asks the
// skin runtime to leave alone.
#pragma once

#include <windows.h>

#include <set>
#include <vector>

namespace testwin {

struct ButtonItem {
    DWORD style;
    RECT rect; // client pixels
    int id;
    const wchar_t* text = L"";
};

struct Notification {
    int id;
    int code;
    HWND from;
};

// A visible modeless dialog of client size width x height with the buttons
// created in it (class "BUTTON", WS_CHILD | WS_VISIBLE added). Controls
// whose ids are in `skipped` are kept unskinned through WM_SKIN_QUERYSKIP.
HWND CreateButtonDialog(int width, int height, const std::vector<ButtonItem>& buttons,
                        const std::set<int>& skipped = {});
// WM_COMMAND messages the button dialogs received; tests clear it.
std::vector<Notification>& Notifications();
int ClicksOf(int id);

} // namespace testwin
