// The skin runtime's menus, tooltip, animation control and MDI frame drawn
// with the default skin. Run without arguments it is an ordinary window to
// try them out; with "--screenshots DIR" it opens each in turn, saves a
// picture of the screen around the frame and ends.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "AviClip.h"
#include "ScreenCapture.h"
#include "SkinEntries.h"
#include "SkinMenus.h"
#include "SkinMessages.h"

namespace {

constexpr int kButtonId = 100;
constexpr int kAnimateId = 200;
constexpr int kClipSize = 32;
constexpr int kClipFrames = 16;
constexpr int kClipShades = 48;
constexpr COLORREF kClipKey = RGB(255, 0, 255); // the first pixel: left out by ACS_TRANSPARENT
const wchar_t kClass[] = L"SkinDemoFrame";

HWND g_frame = nullptr;
HWND g_button = nullptr;
HWND g_mdiClient = nullptr;
HWND g_animate = nullptr;
const wchar_t kMdiClass[] = L"SkinDemoMdiFrame";
const wchar_t kMdiChildClass[] = L"SkinDemoMdiChild";
std::wstring g_folder;

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == 103) DestroyWindow(hwnd);
        if (LOWORD(wParam) == kButtonId) {
            HMENU menu = CreatePopupMenu();
            AppendMenuW(menu, MF_STRING, 301, L"&Read settings");
            AppendMenuW(menu, MF_STRING | MF_CHECKED, 302, L"&Sync clock");
            AppendMenuW(menu, MF_STRING | MF_GRAYED, 303, L"&Wipe storage");
            RECT r{};
            GetWindowRect(g_button, &r);
            SkinTrackPopupMenu(menu, r.left, r.bottom, hwnd, false);
            DestroyMenu(menu);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK MdiFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        CLIENTCREATESTRUCT create{};
        create.idFirstChild = 1000;
        g_mdiClient = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                      0, 0, hwnd, nullptr, GetModuleHandleW(nullptr), &create);
        return 0;
    }
    return DefFrameProcW(hwnd, g_mdiClient, message, wParam, lParam);
}

LRESULT CALLBACK MdiChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcW(hwnd, message, wParam, lParam);
}

// A recording indicator: a glossy red dot that swells and shrinks once a
// second. Palette 0 is the key colour, 1.. the dot's shades from its
// highlight to its rim.
testavi::Clip RecordingClip() {
    testavi::Clip clip;
    clip.width = kClipSize;
    clip.height = kClipSize;
    clip.frames = kClipFrames;
    clip.rate = kClipFrames;
    clip.palette.assign(256, kClipKey);
    for (int i = 0; i < kClipShades; ++i) {
        const double t = static_cast<double>(i) / (kClipShades - 1);
        clip.palette[1 + i] = RGB(static_cast<int>(255 - 105 * t), static_cast<int>(150 - 150 * t),
                                  static_cast<int>(140 - 130 * t));
    }
    clip.pixel = [](int frame, int x, int y) -> uint8_t {
        const double pi = 3.14159265358979;
        const double radius = 10.5 + 3.5 * std::sin(2 * pi * frame / kClipFrames);
        const double centre = (kClipSize - 1) / 2.0;
        const double dx = x - centre;
        const double dy = y - centre;
        if (dx * dx + dy * dy > radius * radius) return 0;
        // Shade by the distance from a highlight up and to the left.
        const double hx = dx + 0.4 * radius;
        const double hy = dy + 0.4 * radius;
        const double shade = std::min(1.0, std::sqrt(hx * hx + hy * hy) / (1.4 * radius));
        return static_cast<uint8_t>(1 + std::lround(shade * (kClipShades - 1)));
    };
    return clip;
}

// Unique per process, so two demos running at once keep their own clips.
std::wstring ClipPath() {
    wchar_t dir[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + L"brevox-demo-" + std::to_wstring(GetCurrentProcessId()) + L".avi";
}

HMENU MainMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 101, L"&Connect\tCtrl+K");
    AppendMenuW(file, MF_STRING, 102, L"&Import media...\tCtrl+I");
    HMENU recent = CreatePopupMenu();
    AppendMenuW(recent, MF_STRING, 110, L"C:\\MEDIA\\PHOTOS");
    AppendMenuW(recent, MF_STRING, 111, L"C:\\MEDIA\\MOVIES");
    AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), L"&Recent folders");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, 103, L"E&xit\tAlt+F4");
    HMENU device = CreatePopupMenu();
    AppendMenuW(device, MF_STRING | MF_CHECKED, 120, L"&Administrator");
    AppendMenuW(device, MF_STRING, 121, L"&Sync clock");
    AppendMenuW(device, MF_STRING | MF_GRAYED, 122, L"&Wipe storage");
    HMENU view = CreatePopupMenu();
    AppendMenuW(view, MF_STRING, 130, L"&Refresh\tF5");
    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, 140, L"&About brevox");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(device), L"&Recorder");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
    return bar;
}

void Pump(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

// Visible popup menus and the tip, bottom-most first.
std::vector<HWND> EngineWindows() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM out) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(h, name, 64);
            if ((lstrcmpW(name, L"QuarvelinPopupMenuWnd") == 0 ||
                 lstrcmpW(name, L"QuarvelinTooltip32") == 0) &&
                IsWindowVisible(h)) {
                reinterpret_cast<std::vector<HWND>*>(out)->insert(
                    reinterpret_cast<std::vector<HWND>*>(out)->begin(), h);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The screen around the frame (menus and tips reach past it) as a BMP.
void Save(const wchar_t* name) {
    RECT r{};
    GetWindowRect(g_frame, &r);
    r.right += 160;
    r.bottom += 120;
    // The engine's own popups (menus, the tip) from their window pictures:
    // the display's copy of top-most popups is not always current.
    testsupport::SaveScreenArea(r, g_folder + L"\\" + name, [](HDC memory, const RECT& area) {
        for (HWND popup : EngineWindows()) {
            RECT p{};
            GetWindowRect(popup, &p);
            HDC dc = GetWindowDC(popup);
            BitBlt(memory, p.left - area.left, p.top - area.top, p.right - p.left, p.bottom - p.top, dc, 0, 0,
                   SRCCOPY);
            ReleaseDC(popup, dc);
        }
    });
}

HWND VisiblePopup() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM out) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(h, name, 64);
            if (lstrcmpW(name, L"QuarvelinPopupMenuWnd") == 0 && IsWindowVisible(h)) {
                *reinterpret_cast<HWND*>(out) = h;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Inside the system menu's loop: the picture, then Escape ends it.
void CALLBACK ShootSystemMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = VisiblePopup();
    if (!popup) return;
    KillTimer(nullptr, id);
    Pump(200);
    Save(L"demo-system-menu.bmp");
    PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}

void Screenshots() {
    RECT window{};
    GetWindowRect(g_frame, &window);
    SetCursorPos(window.right + 100, window.bottom + 100);
    Pump(300);
    Save(L"demo-frame.bmp");

    // The menu bar's first entry dropped, its submenu open.
    SendMessageW(g_frame, WM_SKIN_MENUKEY, 'F', 1 << 29); // as Alt+F through the keyboard hook
    Pump(200);
    if (HWND popup = VisiblePopup()) {
        PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(popup, WM_KEYDOWN, VK_RIGHT, 0);
        Pump(300);
        Save(L"demo-menu.bmp");
        PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        Pump(100);
        if (HWND still = VisiblePopup()) PostMessageW(still, WM_KEYDOWN, VK_ESCAPE, 0);
        Pump(200);
    }

    // The button's rich-text tip after its delay.
    RECT button{};
    GetWindowRect(g_button, &button);
    SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    Pump(100);
    SendMessageW(g_button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Pump(1500);
    Save(L"demo-tooltip.bmp");
    SendMessageW(g_button, WM_MOUSELEAVE, 0, 0);
    SetCursorPos(window.right + 100, window.bottom + 100);
    Pump(200);

    SetTimer(nullptr, 0, 50, &ShootSystemMenu);
    SetCursorPos(window.left + 12, window.top + 20);
    SkinShowSystemMenu(g_frame);
    Pump(200);
}

HWND NewMdiChild(const wchar_t* title, int at) {
    MDICREATESTRUCTW create{};
    create.szClass = kMdiChildClass;
    create.szTitle = title;
    create.hOwner = GetModuleHandleW(nullptr);
    create.x = create.y = at;
    create.cx = 240;
    create.cy = 150;
    create.style = WS_OVERLAPPEDWINDOW;
    return reinterpret_cast<HWND>(
        SendMessageW(g_mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

// An MDI frame with two recordings open, then the second one maximized: its
// buttons move into the frame's menu bar.
void MdiScreenshots(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpfnWndProc = &MdiFrameProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = kMdiClass;
    RegisterClassW(&wc);
    wc.lpfnWndProc = &MdiChildProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kMdiChildClass;
    RegisterClassW(&wc);
    HWND frame = CreateWindowExW(0, kMdiClass, L"brevox recordings", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                 80, 60, 560, 380, nullptr, MainMenu(), instance, nullptr);
    SkinAttachWindow(frame, L"MainFrame");
    ShowWindow(frame, SW_SHOW);
    NewMdiChild(L"REC_0001.AVI", 10);
    HWND second = NewMdiChild(L"REC_0002.WAV", 60);
    const HWND previous = g_frame;
    g_frame = frame;
    Pump(300);
    Save(L"demo-mdi.bmp");
    SendMessageW(g_mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
    Pump(300);
    Save(L"demo-mdi-maximized.bmp");
    g_frame = previous;
    DestroyWindow(frame);
    Pump(100);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    std::wstring args = commandLine ? commandLine : L"";
    const std::wstring flag = L"--screenshots ";
    const bool shots = args.rfind(flag, 0) == 0;
    if (shots) g_folder = args.substr(flag.size());

    INITCOMMONCONTROLSEX init{sizeof init, ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&init);
    SkinStartup(instance, nullptr, nullptr, nullptr);
    SkinLoadFile(L"xpblue.tvf");
    SkinSetDialogDefault(L"Dialog");

    WNDCLASSW wc{};
    wc.lpfnWndProc = &FrameProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    g_frame = CreateWindowExW(0, kClass, L"brevox skin demo", WS_OVERLAPPEDWINDOW, 80, 60, 460, 300, nullptr,
                              MainMenu(), instance, nullptr);
    g_button =
        CreateWindowExW(0, L"BUTTON", L"Recorder...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 30, 40, 110, 28,
                        g_frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), instance, nullptr);
    g_animate = CreateWindowExW(
        0, ANIMATE_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT | ACS_CENTER, 154, 38, kClipSize,
        kClipSize, g_frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kAnimateId)), instance, nullptr);
    SkinAttachWindow(g_frame, L"MainFrame");
    // Opened once the frame is skinned, so the skinner plays it, not the
    // system's control.
    const std::wstring clipPath = ClipPath();
    if (testavi::WriteFile(clipPath, testavi::Build(RecordingClip())) &&
        SendMessageW(g_animate, ACM_OPENW, 0, reinterpret_cast<LPARAM>(clipPath.c_str()))) {
        SendMessageW(g_animate, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF));
    }
    SkinSetTooltipText(g_button,
                       L"<b>Recorder</b><br>Opens the <font color=#0040c0>recorder commands</font>:"
                       L"<br>read settings, sync the clock, wipe");
    ShowWindow(g_frame, SW_SHOW);
    UpdateWindow(g_frame);

    if (shots) {
        Pump(300);
        Screenshots();
        MdiScreenshots(instance);
        DestroyWindow(g_frame);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    SkinShutdown();
    DeleteFileW(clipPath.c_str());
    return 0;
}
