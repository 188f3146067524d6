// Date-time pickers (kind 31): the skin's border, a drop button of the
// skin's pictures, and the skinner's own calendar in place of the
// control's: a month calendar popup under the control, run by a local
// message loop until a date is picked or the calendar is dismissed.
#pragma once

#include "SkinScrollHost.h"

class SkinDateTime : public SkinScrollHost {
public:
    static constexpr int kButtonWidth = 17;

    SkinDateTime() : SkinScrollHost(kKindDateTime) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Detach() override;

    HWND Calendar() const { return calendar_; }

private:
    void PaintButton();
    bool OnButton(LPARAM lParam) const;
    void Notify(UINT code);
    // Opens the calendar and runs its loop; returns when it is closed.
    void DropDown();
    void CloseCalendar();

    HWND calendar_ = nullptr;
    bool closing_ = false;
};
