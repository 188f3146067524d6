// The shared skinned tooltip: delays on a test clock, placement codes and
// their fallback, painting from the skin or the built-in look, rich text,
// and a tip that stays while the mouse is on it.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinEngine.h"
#include "SkinEntries.h"
#include "SkinTooltip.h"
#include "TestSkins.h"
#include "TestWindows.h"
#include "TooltipRules.h"
#include "WindowFrameObjects.h"
#include "WindowRegistry.h"

namespace {

using testwin::CloseColour;
using testwin::Pump;

constexpr COLORREF kTipFrame = RGB(200, 30, 30);
constexpr COLORREF kTipBack = RGB(250, 250, 200);

std::vector<std::pair<UINT_PTR, UINT>> g_timers;

class Tooltips : public ::testing::Test {
protected:
    void SetUp() override {
        SkinTooltip::SetTimerHookForTesting([](UINT_PTR id, UINT ms) { g_timers.push_back({id, ms}); });
    }
    void TearDown() override {
        for (HWND h : windows_) DestroyWindow(h);
        SkinShutdown();
        SkinTooltip::SetTimerHookForTesting(nullptr);
        g_timers.clear();
    }
    void Start(bool withTipObject, int placement = 0) {
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        auto skin = testskin::Build({});
        if (withTipObject) {
            auto object = CreateSkinObject(42);
            object->SetName("Tip");
            auto* tip = static_cast<TooltipObject*>(object.get());
            const SkinRect design[9] = {{0, 0, 2, 2},   {2, 0, 98, 2},   {98, 0, 100, 2},
                                        {0, 2, 2, 48},  {2, 2, 98, 48},  {98, 2, 100, 48},
                                        {0, 48, 2, 50}, {2, 48, 98, 50}, {98, 48, 100, 50}};
            for (int i = 0; i < 9; ++i) tip->designRects[i] = design[i];
            tip->activeColor = kTipFrame;
            tip->clientColor = kTipBack;
            tip->showDelay = 600;
            tip->hideDelay = 3000;
            tip->placement = static_cast<uint32_t>(placement);
            skin->PutObject(std::move(object));
        }
        ASSERT_TRUE(SkinLoadFile(testskin::WriteSkin(*skin, L"runtime-tooltips.tvf").c_str()));
        ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
        tip_ = SkinEngine::Instance().Tooltip();
        ASSERT_NE(tip_, nullptr);
    }
    // A skinned dialog with a skinned static (id 100) that carries `text`.
    HWND Label(const wchar_t* text) {
        HWND dialog = testwin::CreateDialogWindow(WS_POPUP | WS_CAPTION | WS_VISIBLE, 260, 160, true);
        windows_.push_back(dialog);
        HWND label = GetDlgItem(dialog, 100);
        EXPECT_TRUE(SkinSetTooltipText(label, text));
        return label;
    }
    static RECT Box(HWND h) {
        RECT r{};
        GetWindowRect(h, &r);
        return r;
    }
    static SkinRect Work(POINT p) {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoW(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &info);
        return SkinRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    }
    SkinTooltip* tip_ = nullptr;
    std::vector<HWND> windows_;
};

TEST_F(Tooltips, ShowDelayThenAutoHideOnTheTestClock) {
    Start(true);
    HWND label = Label(L"Reads the recorder");
    SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    ASSERT_FALSE(g_timers.empty());
    EXPECT_EQ(g_timers.back(), (std::pair<UINT_PTR, UINT>{SkinTooltip::kShowTimer, 600}));
    EXPECT_FALSE(IsWindowVisible(tip_->Hwnd()));
    g_timers.clear();
    SendMessageW(tip_->Hwnd(), WM_TIMER, SkinTooltip::kShowTimer, 0);
    EXPECT_TRUE(IsWindowVisible(tip_->Hwnd()));
    EXPECT_EQ(tip_->Text(), L"Reads the recorder");
    EXPECT_EQ(g_timers.back(), (std::pair<UINT_PTR, UINT>{SkinTooltip::kHideTimer, 3000}));
    SendMessageW(tip_->Hwnd(), WM_TIMER, SkinTooltip::kHideTimer, 0);
    EXPECT_FALSE(IsWindowVisible(tip_->Hwnd()));

    // Without a text there is no delay; an owner whose text is empty when
    // the delay ends keeps the tip hidden.
    g_timers.clear();
    tip_->Start(L"", std::nullopt);
    for (const auto& t : g_timers) EXPECT_EQ(t.second, 0u);
    SendMessageW(label, WM_MOUSELEAVE, 0, 0);
    SkinSetTooltipText(label, L"");
    tip_->SetOwner(WindowRegistry::Instance().Lookup(label));
    tip_->Start(L"stale", std::nullopt);
    SendMessageW(tip_->Hwnd(), WM_TIMER, SkinTooltip::kShowTimer, 0);
    EXPECT_FALSE(IsWindowVisible(tip_->Hwnd()));
}

TEST_F(Tooltips, BuiltInLookWhenTheSkinHasNoTooltipObject) {
    Start(false);
    HWND label = Label(L"MMMMMMMM");
    SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(g_timers.back(), (std::pair<UINT_PTR, UINT>{SkinTooltip::kShowTimer, 1000}));
    tip_->Start(L"MMMMMMMM", POINT{300, 300});
    tip_->Display();
    EXPECT_EQ(g_timers.back(), (std::pair<UINT_PTR, UINT>{SkinTooltip::kHideTimer, 8000}));
    RedrawWindow(tip_->Hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT r = Box(tip_->Hwnd());
    EXPECT_TRUE(CloseColour(testwin::WindowPixel(tip_->Hwnd(), 0, (r.bottom - r.top) / 2),
                            GetSysColor(COLOR_INFOTEXT)));
    EXPECT_TRUE(CloseColour(testwin::WindowPixel(tip_->Hwnd(), 1, 1), GetSysColor(COLOR_INFOBK)));
}

TEST_F(Tooltips, EachPlacementCodeAroundThePointAndTheSkinsLook) {
    for (int code = 0; code < 8; ++code) {
        Start(true, code);
        const SkinRect work = Work(POINT{0, 0});
        const POINT at{(work.left + work.right) / 2, (work.top + work.bottom) / 2};
        tip_->SetObject(WindowRegistry::Instance().CurrentSkin().FindObjectByType(42));
        tip_->Start(L"<b>Placement</b>", at);
        tip_->Display();
        const RECT r = Box(tip_->Hwnd());
        const TipCorner expected = TooltipCorner(code, at.x, at.y, r.right - r.left, r.bottom - r.top);
        EXPECT_EQ(r.left, expected.left) << code;
        EXPECT_EQ(r.top, expected.top) << code;
        EXPECT_EQ(tip_->UsedPlacement(), code);
        if (code == 0) {
            RedrawWindow(tip_->Hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_TRUE(CloseColour(testwin::WindowPixel(tip_->Hwnd(), 0, 5), kTipFrame));
            EXPECT_TRUE(CloseColour(testwin::WindowPixel(tip_->Hwnd(), 3, 3), kTipBack));
            // Shown on top without taking the activation.
            EXPECT_TRUE(GetWindowLongPtrW(tip_->Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
            EXPECT_NE(GetActiveWindow(), tip_->Hwnd());
        }
        SkinShutdown();
    }
}

TEST_F(Tooltips, FallsBackWhenTheTipDoesNotFit) {
    Start(true, 0);
    const SkinRect work = Work(POINT{0, 0});
    tip_->SetObject(WindowRegistry::Instance().CurrentSkin().FindObjectByType(42));
    tip_->Start(L"Near the corner of the work area", POINT{work.right - 5, work.bottom - 5});
    tip_->Display();
    const RECT r = Box(tip_->Hwnd());
    EXPECT_EQ(tip_->UsedPlacement(), 7);
    EXPECT_GE(r.left, work.left);
    EXPECT_LE(r.right, work.right);
    EXPECT_LE(r.bottom, work.bottom);
}

TEST_F(Tooltips, RichTextIsDrawnWithItsMarkup) {
    Start(true);
    tip_->SetObject(WindowRegistry::Instance().CurrentSkin().FindObjectByType(42));
    tip_->Start(L"<font color=#ff0000 size=5>MMMM</font>", POINT{200, 200});
    tip_->Display();
    UpdateWindow(tip_->Hwnd());
    const RECT r = Box(tip_->Hwnd());
    int red = 0;
    for (int y = 0; y < r.bottom - r.top; ++y) {
        for (int x = 0; x < r.right - r.left; ++x) {
            if (CloseColour(testwin::WindowPixel(tip_->Hwnd(), x, y), RGB(255, 0, 0), 30)) ++red;
        }
    }
    EXPECT_GT(red, 30);
    EXPECT_GT(r.bottom - r.top, 18); // an 18-pixel font inside the frame
}

TEST_F(Tooltips, StaysWhileTheMouseIsOnTheTipAndHidesWhenItLeaves) {
    Start(true);
    HWND label = Label(L"Stays");
    POINT inLabel{2, 2};
    ClientToScreen(label, &inLabel);
    SetCursorPos(inLabel.x, inLabel.y);
    SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    tip_->Display();
    ASSERT_TRUE(IsWindowVisible(tip_->Hwnd()));
    const RECT r = Box(tip_->Hwnd());
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Pump(50);
    SendMessageW(label, WM_MOUSELEAVE, 0, 0); // the owner lets go
    EXPECT_TRUE(IsWindowVisible(tip_->Hwnd()));
    SendMessageW(tip_->Hwnd(), WM_MOUSELEAVE, 0, 0); // then the mouse leaves the tip
    EXPECT_FALSE(IsWindowVisible(tip_->Hwnd()));
    // Elsewhere, the owner's leave hides it at once.
    SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    tip_->Display();
    SetCursorPos(inLabel.x, inLabel.y);
    SendMessageW(label, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(tip_->Hwnd()));
}

} // namespace
