#include "WorkArea.h"

SkinRect WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT r{};
    if (monitor && GetMonitorInfoW(monitor, &info)) {
        r = info.rcWork;
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    }
    return SkinRect{r.left, r.top, r.right, r.bottom};
}
