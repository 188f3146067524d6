// The engine's one tooltip window: a skinned popup (frame, region, client
// background from the skin's tooltip object, or built-in defaults) showing
// rich text after a delay, placed around the point it refers to, hiding by
// itself after a while and staying up while the mouse is over it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "EngineClasses.h"
#include "SkinWnd.h"
#include "WindowFrameObjects.h"
#include "richtext/RichTextRenderer.h"

class SkinTooltip : public SkinWnd, public EngineWindowObject {
public:
    static constexpr UINT_PTR kShowTimer = 1000;
    static constexpr UINT_PTR kHideTimer = 1010;

    SkinTooltip();
    ~SkinTooltip() override;

    bool Create(HINSTANCE module);
    void SetModule(HINSTANCE module) { renderer_.SetResourceModule(module); }

    // A tooltip object (type 42) gives its style sheet to the renderer and
    // its frame to the window; anything else selects the built-in object.
    SkinObject* SetObject(SkinObject* object) override;
    void SetOwner(SkinWnd* owner) { owner_ = owner; }
    SkinWnd* Owner() const { return owner_; }
    // Hides, then shows `text` after the show delay; at the cursor when no
    // point is given. An empty text shows nothing.
    void Start(const std::wstring& text, std::optional<POINT> point);
    void Hide();
    // The owner's hide: not while the mouse has moved onto the tip itself.
    void HideUnlessHovered();
    // Measures, places and shows the tip now (the show delay's end).
    void Display();

    const std::wstring& Text() const { return text_; }
    int UsedPlacement() const { return usedPlacement_; }

    // Tests run the delays on a clock of their own: the function sees every
    // timer the tip starts (delay 0: stopped) and the test sends WM_TIMER.
    using TimerHook = std::function<void(UINT_PTR id, UINT delayMs)>;
    static void SetTimerHookForTesting(TimerHook hook);

    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const ::TooltipObject& Look() const;
    void StartTimer(UINT_PTR id, UINT delayMs);
    void StopTimer(UINT_PTR id);
    void OnTimer(UINT_PTR id);
    void Paint();

    SkinWnd* owner_ = nullptr;
    POINT point_{};
    std::wstring text_;
    richtext::RichTextRenderer renderer_;
    bool tracking_ = false;
    int usedPlacement_ = 0;
    ::TooltipObject builtIn_;
};
