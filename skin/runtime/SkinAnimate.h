// Animation controls (kind 40): the skinner answers the open, play and stop
// messages itself and shows the clip over the skin's background or, with
// ACS_TRANSPARENT, over the window below with the clip's first pixel colour
// left out. A play thread only times the frames and posts that one is due;
// every frame is drawn here on the user-interface thread, so stopping never
// waits on a thread that could be waiting on this one.
#pragma once

#include <atomic>
#include <memory>

#include "AviPlayer.h"
#include "SkinControl.h"

class SkinAnimate : public SkinControl {
public:
    SkinAnimate();
    ~SkinAnimate() override;

    bool Attach(HWND hwnd) override;
    void Detach() override;
    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool Playing() const { return playing_; }
    int CurrentFrame() const { return current_; }

private:
    // What a play thread and the skinner share; the thread holds its own
    // reference (and its own handle of the stop event), so it may outlive a
    // skinner that stopped waiting for it.
    struct PlayRun {
        HANDLE stop;
        HWND hwnd;
        WPARAM generation;
        int first;
        int last;
        int repeat;
        DWORD interval;
        // The newest frame, and whether a message for it is on its way: a
        // busy interface thread gets one message, not a queue of them.
        std::atomic<int> latest;
        std::atomic<bool> posted;
    };

    // ACM_OPENA/ACM_OPENW: `name` is a file name, a resource name or a
    // resource id; a null name closes the clip.
    LRESULT Open(HINSTANCE module, LPCWSTR name);
    bool OpenResource(HINSTANCE module, LPCWSTR resource);
    LRESULT Play(int repeat, int first, int last);
    void Start();
    void Stop();
    void Notify(int code);
    void PaintBorder();
    static DWORD WINAPI Timer(void* timing);

    AviPlayer player_;
    HANDLE stopEvent_ = nullptr;
    HANDLE thread_ = nullptr;
    bool playing_ = false;
    int id_ = 0;
    DWORD style_ = 0;
    int repeat_ = -1;
    int first_ = 0;
    int last_ = -1;
    int current_ = 0;
    // Frames posted by an earlier play run are recognised and dropped.
    WPARAM generation_ = 0;
    std::shared_ptr<PlayRun> run_;
};
