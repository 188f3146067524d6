// Full non-client repaint of skinned windows with the default skin, in
// microseconds per paint, against a bare BitBlt of the same window-sized
// buffer to the window: the floor any double-buffered frame pays.
#include <windows.h>

#include <cstdio>

#include "BenchSupport.h"
#include "Resource.h"
#include "SkinEntries.h"

namespace {

constexpr int kSettingsTemplate = IDD_SETTINGS;

// A dialog of the settings dialog's template size (319 x 406 units).
HWND SettingsSizedDialog() {
    return bench::EmptyDialog(319, 406);
}

struct Row {
    const char* name;
    double skinned;
    double floor;
};

Row Measure(const char* name, HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const double skinned = bench::MicrosecondsPerCall([&] {
        SendMessageW(hwnd, WM_NCPAINT, 1, 0);
        GdiFlush();
    });
    HDC windowDc = GetWindowDC(hwnd);
    HDC buffer = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, w, h);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    const double floor = bench::MicrosecondsPerCall([&] {
        BitBlt(windowDc, 0, 0, w, h, buffer, 0, 0, SRCCOPY);
        GdiFlush();
    });
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    ReleaseDC(hwnd, windowDc);
    return {name, skinned, floor};
}

// The whole settings dialog, frame and every control, as brevox shows it
// (template from brevox's own resources), skinned and not.
double MicrosecondsPerFullRepaint(HWND dialog) {
    return bench::MicrosecondsPerCall([&] {
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        GdiFlush();
    });
}

HWND SettingsDialog() {
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kSettingsTemplate), nullptr,
                                     &bench::EmptyDialogProc, 0);
    ShowWindow(dialog, SW_SHOW);
    return dialog;
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int main() {
    SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr);
    if (!SkinLoadFile(L"xpblue.tvf")) {
        std::printf("skin_runtime_bench: xpblue.tvf not found in the working folder\n");
        return 1;
    }
    SkinSetDialogDefault(L"Dialog");
    HWND dialog = SettingsSizedDialog();

    WNDCLASSW wc{};
    wc.lpfnWndProc = &FrameProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BenchFrame";
    RegisterClassW(&wc);
    HWND frame = CreateWindowExW(0, L"BenchFrame", L"Bench frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SkinAttachWindow(frame, L"MainFrame");

    const Row rows[] = {Measure("settings dialog", dialog), Measure("800 x 600 frame", frame)};
    std::printf("%-18s %14s %14s %8s\n", "non-client paint", "skinned (us)", "BitBlt (us)", "ratio");
    for (const Row& row : rows) {
        std::printf("%-18s %14.1f %14.1f %8.2f\n", row.name, row.skinned, row.floor, row.skinned / row.floor);
    }
    DestroyWindow(dialog);
    DestroyWindow(frame);

    HWND skinned = SettingsDialog();
    const double skinnedUs = MicrosecondsPerFullRepaint(skinned);
    DestroyWindow(skinned);
    SkinClearDialogDefault();
    HWND platform = SettingsDialog();
    const double platformUs = MicrosecondsPerFullRepaint(platform);
    DestroyWindow(platform);
    std::printf("\n%-24s %14s %14s %8s\n", "full repaint", "skinned (us)", "platform (us)", "ratio");
    std::printf("%-24s %14.1f %14.1f %8.2f\n", "settings dialog", skinnedUs, platformUs,
                skinnedUs / platformUs);
    SkinShutdown();
    return 0;
}
