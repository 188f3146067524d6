#include "SkinAnimate.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AnimateRules.h"
#include "GdiMask.h"
#include "GdiSurface.h"
#include "ImageDraw.h"
#include "MiscControlObjects.h"
#include "NineGridDraw.h"
#include "Skin.h"
#include "SkinMessages.h"
#include "WindowBelow.h"
#include "WindowRegistry.h"

namespace {

constexpr DWORD kStopWait = 1000;

// A path for a resource clip: a unique name made by the system (which
// creates that file as a placeholder) with ".AVI" appended. The placeholder,
// when there is one, is `placeholder`.
std::wstring TemporaryClipPath(std::wstring& placeholder) {
    wchar_t dir[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH, dir);
    std::wstring folder = length > 0 && length <= MAX_PATH ? std::wstring(dir, length) : std::wstring(L"C:");
    wchar_t unique[MAX_PATH + 16] = {};
    if (GetTempFileNameW(folder.c_str(), L"TV", 0, unique) != 0) {
        placeholder = unique;
        return placeholder + L".AVI";
    }
    placeholder.clear();
    if (folder.back() != L'\\') folder += L'\\';
    return folder + L"TV$$TEMP.AVI";
}

bool WriteWhole(const std::wstring& path, const void* data, DWORD size) {
    FILE* file = _wfopen(path.c_str(), L"w+b");
    if (!file) return false;
    const bool written = fwrite(data, 1, size, file) == size;
    return fclose(file) == 0 && written;
}

} // namespace

SkinAnimate::SkinAnimate() : SkinControl(kKindAnimation) {
    stopEvent_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
}

SkinAnimate::~SkinAnimate() {
    if (thread_) {
        SetEvent(stopEvent_);
        WaitForSingleObject(thread_, kStopWait);
        CloseHandle(thread_);
    }
    if (stopEvent_) CloseHandle(stopEvent_);
}

bool SkinAnimate::Attach(HWND hwnd) {
    if (!player_.Ok() || !stopEvent_) return false;
    style_ = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    id_ = static_cast<int>(GetWindowLongPtrW(hwnd, GWL_ID));
    return SkinControl::Attach(hwnd);
}

void SkinAnimate::Detach() {
    // The control's own player knows nothing of our clip.
    Stop();
    player_.Release();
    SkinControl::Detach();
}

void SkinAnimate::Notify(int code) {
    const HWND parent = GetParent(hwnd_);
    if (parent) SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id_, code), reinterpret_cast<LPARAM>(hwnd_));
}

bool SkinAnimate::OpenResource(HINSTANCE module, LPCWSTR resource) {
    HRSRC found = FindResourceW(module, resource, L"AVI");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (!data || size == 0) return false;
    std::wstring placeholder;
    const std::wstring path = TemporaryClipPath(placeholder);
    std::vector<std::wstring> files{path};
    if (!placeholder.empty()) files.push_back(placeholder);
    if (WriteWhole(path, data, size) && player_.Open(path, files)) return true;
    for (const std::wstring& file : files) DeleteFileW(file.c_str());
    return false;
}

LRESULT SkinAnimate::Open(HINSTANCE module, LPCWSTR name) {
    Stop();
    player_.Release();
    current_ = 0;
    if (!name) {
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 1;
    }
    if (!module) module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    const bool opened =
        IS_INTRESOURCE(name) ? OpenResource(module, name) : player_.Open(name) || OpenResource(module, name);
    if (!opened) {
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    }
    repeat_ = -1;
    first_ = 0;
    last_ = -1;
    style_ = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    if (!(style_ & ACS_CENTER)) {
        // The client takes the clip's size; the border stays around it.
        RECT window{};
        RECT client{};
        ::GetWindowRect(hwnd_, &window);
        GetClientRect(hwnd_, &client);
        const int extraX = (window.right - window.left) - client.right;
        const int extraY = (window.bottom - window.top) - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, player_.Width() + extraX, player_.Height() + extraY,
                     SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (style_ & ACS_AUTOPLAY) Play(-1, 0, -1);
    return 1;
}

LRESULT SkinAnimate::Play(int repeat, int first, int last) {
    Stop();
    const int length = player_.Length();
    if (!player_.IsOpen() || length <= 0) return 0;
    if (last < 0 || last >= length) last = length - 1;
    if (first < 0 || first > last) return 0;
    if (AnimationFrameInterval(player_.Rate(), player_.Scale()) == 0) return 0;
    repeat_ = repeat;
    first_ = first;
    last_ = last;
    current_ = first;
    Start();
    return 1;
}

void SkinAnimate::Start() {
    if (playing_) return;
    ++generation_;
    HANDLE stop = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), stopEvent_, GetCurrentProcess(), &stop, 0, FALSE,
                         DUPLICATE_SAME_ACCESS)) {
        return;
    }
    run_ = std::make_shared<PlayRun>();
    run_->stop = stop;
    run_->hwnd = hwnd_;
    run_->generation = generation_;
    run_->first = first_;
    run_->last = last_;
    run_->repeat = repeat_;
    run_->interval = AnimationFrameInterval(player_.Rate(), player_.Scale());
    run_->latest = first_;
    run_->posted = false;
    // A stop that came after the last run ended by itself left the event set.
    ResetEvent(stopEvent_);
    auto* reference = new std::shared_ptr<PlayRun>(run_);
    thread_ = CreateThread(nullptr, 0, &SkinAnimate::Timer, reference, 0, nullptr);
    if (!thread_) {
        CloseHandle(stop);
        delete reference;
        run_.reset();
        return;
    }
    playing_ = true;
    RepaintNow();
    Notify(ACN_START);
}

void SkinAnimate::Stop() {
    if (!playing_) return;
    playing_ = false;
    SetEvent(stopEvent_);
    // The thread only waits on the event and posts, so it ends at once.
    WaitForSingleObject(thread_, kStopWait);
    CloseHandle(thread_);
    thread_ = nullptr;
    run_.reset();
    Notify(ACN_STOP);
}

DWORD WINAPI SkinAnimate::Timer(void* parameter) {
    const std::unique_ptr<std::shared_ptr<PlayRun>> reference(
        static_cast<std::shared_ptr<PlayRun>*>(parameter));
    PlayRun& run = **reference;
    int frame = run.first;
    int rounds = 0;
    while (WaitForSingleObject(run.stop, run.interval) == WAIT_TIMEOUT) {
        if (++frame > run.last) {
            frame = run.first;
            if (run.repeat != -1 && ++rounds >= run.repeat) break;
        }
        run.latest = frame;
        if (!run.posted.exchange(true) && !PostMessageW(run.hwnd, kWmSkinAnimateFrame, run.generation, 0)) {
            run.posted = false;
        }
    }
    CloseHandle(run.stop);
    return 0;
}

void SkinAnimate::PaintWhole(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const auto* object = dynamic_cast<const AnimationObject*>(object_);
    const bool transparent = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ACS_TRANSPARENT) != 0;
    if (transparent) {
        PaintWindowBelow(dc, hwnd_, client);
    } else {
        const COLORREF back = object ? object->color1 & 0xFFFFFF : GetSysColor(COLOR_BTNFACE);
        const COLORREF old = SetBkColor(dc, back);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        SetBkColor(dc, old);
        if (object && !object->background.IsEmpty()) {
            DrawImageRef(dc, client, object->background, WindowRegistry::Instance().CurrentSkin(), back,
                         false);
        }
    }
    if (!player_.IsOpen()) return;
    GdiSurface video(dc, player_.Width(), player_.Height());
    if (!video.Ok() || !player_.DrawFrame(video.Dc(), current_)) return;
    const bool centred = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ACS_CENTER) != 0;
    const int x = centred ? AnimationCentredOrigin(client.right, video.Width()) : 0;
    const int y = centred ? AnimationCentredOrigin(client.bottom, video.Height()) : 0;
    if (!transparent) {
        BitBlt(dc, x, y, video.Width(), video.Height(), video.Dc(), 0, 0, SRCCOPY);
        return;
    }
    GdiFlush();
    const uint8_t* corner = video.Bits();
    const COLORREF key = RGB(corner[2], corner[1], corner[0]);
    if (HBITMAP mask = CreateKeyMask(video, key)) {
        BlitThroughMaskAndOr(dc, x, y, video, mask, key);
        DeleteObject(mask);
    }
}

void SkinAnimate::PaintBorder() {
    const auto* object = dynamic_cast<const AnimationObject*>(object_);
    if (!object || object->mainImage.IsEmpty()) return;
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    int cx = 0;
    int cy = 0;
    if (exStyle & WS_EX_CLIENTEDGE) {
        cx += GetSystemMetrics(SM_CXEDGE);
        cy += GetSystemMetrics(SM_CYEDGE);
    }
    if (exStyle & WS_EX_DLGMODALFRAME) {
        cx += GetSystemMetrics(SM_CXDLGFRAME);
        cy += GetSystemMetrics(SM_CYDLGFRAME);
    }
    if (exStyle & WS_EX_STATICEDGE) {
        ++cx;
        ++cy;
    }
    if (cx == 0 && cy == 0) return;
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    OffsetRect(&window, -window.left, -window.top);
    HDC dc = GetWindowDC(hwnd_);
    ExcludeClipRect(dc, cx, cy, window.right - cx, window.bottom - cy);
    DrawNineGrid(dc, window, object->mainImage, WindowRegistry::Instance().CurrentSkin(),
                 object->color1 & 0xFFFFFF, true);
    ReleaseDC(hwnd_, dc);
}

LRESULT SkinAnimate::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case ACM_OPENA: {
        const auto* text = reinterpret_cast<const char*>(lParam);
        if (!text || IS_INTRESOURCE(text)) {
            return Open(reinterpret_cast<HINSTANCE>(wParam), reinterpret_cast<LPCWSTR>(lParam));
        }
        const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        std::wstring name(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
        if (length > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, name.data(), length);
        return Open(reinterpret_cast<HINSTANCE>(wParam), name.c_str());
    }
    case ACM_OPENW:
        return Open(reinterpret_cast<HINSTANCE>(wParam), reinterpret_cast<LPCWSTR>(lParam));
    case ACM_PLAY: {
        const int last = HIWORD(lParam) == 0xFFFF ? -1 : HIWORD(lParam);
        return Play(static_cast<int>(wParam), LOWORD(lParam), last);
    }
    case ACM_STOP:
        Stop();
        return 1;
    case ACM_ISPLAYING:
        return playing_ ? 1 : 0;
    case WM_CREATE: {
        // Attached by the creation hook: a clip named by the window text
        // (dialog templates give one) was opened by the control; it is
        // ours to open and play instead.
        const LRESULT result = SkinControl::WindowProc(message, wParam, lParam);
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (result != -1 && create && create->lpszName && create->lpszName[0]) {
            CallPrev(ACM_STOP, 0, 0);
            CallPrev(ACM_OPENW, 0, 0);
            const LPCWSTR name =
                create->lpszName[0] == 0xFFFF ? MAKEINTRESOURCEW(create->lpszName[1]) : create->lpszName;
            Open(create->hInstance, name);
        }
        return result;
    }
    case kWmSkinAnimateFrame:
        // Frames of a run that was stopped since are left out.
        if (playing_ && run_ && wParam == run_->generation) {
            run_->posted = false;
            current_ = run_->latest;
            RepaintNow();
        }
        return 0;
    case WM_DESTROY:
        Stop();
        player_.Release();
        return CallPrev(message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT: {
        const auto* object = dynamic_cast<const AnimationObject*>(object_);
        if (!object || object->mainImage.IsEmpty()) return CallPrev(message, wParam, lParam);
        PaintBorder();
        return 0;
    }
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
