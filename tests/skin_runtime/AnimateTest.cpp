// Animation controls under the skin: a generated 8-bit clip opened from a
// file and from a resource (A and W messages), play ranges, repeats and
// notifications, temporary files, destruction while playing, and the
// pixels of a frame (centring, cropping, colour keyed on the first pixel).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "AnimateRules.h"
#include "AviClip.h"
#include "AviPlayer.h"
#include "ControlWindows.h"
#include "ImageObject.h"
#include "MiscControlObjects.h"
#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinAnimate.h"
#include "SkinEntries.h"
#include "TestSkins.h"
#include "TestWindows.h"
#include "WindowRegistry.h"

namespace {

using ctlwin::ClientPixel;
using testwin::CloseColour;
using testwin::Pump;

constexpr int kWidth = 40;
constexpr int kHeight = 30;
constexpr int kFrames = 4;
constexpr int kRing = 2;
constexpr int kId = 300;
constexpr WORD kResourceId = 7;
constexpr COLORREF kKey = RGB(10, 200, 10);       // the ring; the clip's first pixel
constexpr COLORREF kObjectBack = RGB(30, 60, 90); // the skin object's colour
constexpr COLORREF kBorder = RGB(220, 0, 160);    // BORDER
constexpr COLORREF kBackImage = RGB(250, 200, 0); // BACKGROUND: 8 x 8 at its own size
constexpr int kBlock = 8;
constexpr COLORREF kLastColour = RGB(1, 2, 3); // palette entry 255, in no frame

COLORREF FrameColour(int frame) {
    return RGB(200, 40 + 50 * frame, 20);
}
COLORREF ColumnColour(int x) {
    return RGB(5 * x, 120, 255 - 5 * x);
}

// Palette 0 the key, 1..4 the frames, 10.. one colour per column, 255 a
// colour only the format's end holds.
testavi::Clip MakeClip(uint32_t rate) {
    testavi::Clip clip;
    clip.width = kWidth;
    clip.height = kHeight;
    clip.frames = kFrames;
    clip.rate = rate;
    clip.palette.assign(256, RGB(0, 0, 0));
    clip.palette[0] = kKey;
    for (int f = 0; f < kFrames; ++f) clip.palette[1 + f] = FrameColour(f);
    for (int x = 0; x < kWidth; ++x) clip.palette[10 + x] = ColumnColour(x);
    clip.palette[255] = kLastColour;
    // Ring of the key colour; top half the frame's colour, bottom half
    // the column's, so a pixel tells the frame and where it was cut.
    clip.pixel = [](int frame, int x, int y) -> uint8_t {
        if (x < kRing || y < kRing || x >= kWidth - kRing || y >= kHeight - kRing) return 0;
        return static_cast<uint8_t>(y < kHeight / 2 ? 1 + frame : 10 + x);
    };
    return clip;
}

std::wstring TempDir() {
    wchar_t dir[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, dir);
    return dir;
}

// Files the control may leave in the temporary folder ("TV" prefix).
int TemporaryClipFiles() {
    int count = 0;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((TempDir() + L"TV*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        ++count;
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return count;
}

std::wstring WriteSkin() {
    testskin::Options options;
    options.withStatic = false;
    auto skin = testskin::Build(options);
    auto animate = CreateSkinObject(40);
    auto& object = static_cast<AnimationObject&>(*animate);
    object.color1 = kObjectBack;
    object.mainImage.SetName("blocks");
    object.mainImage.source = SkinRect{0, 0, kBlock, kBlock};
    object.background.SetName("blocks");
    object.background.source = SkinRect{kBlock, 0, 2 * kBlock, kBlock};
    skin->PutObject(std::move(animate));
    auto image = std::make_unique<ImageObject>();
    image->SetName("blocks");
    image->SetEncoded(testskin::BlocksBmp({kBorder, kBackImage}, kBlock), 1);
    skin->PutImage(std::move(image));
    return testskin::WriteSkin(*skin, L"runtime-animate.tvf");
}

// A copy of this program carrying the clip as resource 7 and "CLIP" of
// type "AVI", loaded as data.
HMODULE ClipModule(const std::vector<uint8_t>& clip, std::wstring& path) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    path = TempDir() + L"animate-test-clips.exe";
    if (!CopyFileW(self, path.c_str(), FALSE)) return nullptr;
    HANDLE update = BeginUpdateResourceW(path.c_str(), FALSE);
    if (!update) return nullptr;
    auto* data = const_cast<uint8_t*>(clip.data());
    const auto size = static_cast<DWORD>(clip.size());
    const WORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    const bool added = UpdateResourceW(update, L"AVI", MAKEINTRESOURCEW(kResourceId), language, data, size) &&
                       UpdateResourceW(update, L"AVI", L"CLIP", language, data, size);
    if (!EndUpdateResourceW(update, !added) || !added) return nullptr;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

class Animate : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        clipPath_ = TempDir() + L"animate-test.avi";
        testavi::WriteFile(clipPath_, testavi::Build(MakeClip(50)));
        stillPath_ = TempDir() + L"animate-test-still.avi";
        testavi::WriteFile(stillPath_, testavi::Build(MakeClip(0)));
        module_ = ClipModule(testavi::Build(MakeClip(50)), modulePath_);
    }
    static void TearDownTestSuite() {
        if (module_) FreeLibrary(module_);
        DeleteFileW(modulePath_.c_str());
        DeleteFileW(clipPath_.c_str());
        DeleteFileW(stillPath_.c_str());
    }
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_ANIMATE_CLASS};
        InitCommonControlsEx(&init);
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        ASSERT_TRUE(SkinLoadFile(WriteSkin().c_str()));
        ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
        dialog_ = ctlwin::CreateHostDialog(300, 200);
        ASSERT_TRUE(dialog_);
        ctlwin::Notifications().clear();
        filesBefore_ = TemporaryClipFiles();
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        SkinShutdown();
    }
    HWND AddAnimate(DWORD style, RECT box = RECT{20, 20, 120, 100}) {
        HWND control = ctlwin::AddChild(dialog_, ANIMATE_CLASSW, style, 0, box, kId);
        EXPECT_TRUE(dynamic_cast<SkinAnimate*>(WindowRegistry::Instance().Lookup(control)))
            << "the animation control has no skinner";
        return control;
    }
    // Opens the test clip from its file; skips when the system's video
    // libraries cannot decode it.
    bool OpenFile(HWND control) {
        if (!SendMessageW(control, ACM_OPENW, 0, reinterpret_cast<LPARAM>(clipPath_.c_str()))) return false;
        Pump(20);
        return true;
    }
    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (auto [id, code] : ctlwin::Notifications()) {
            if (id == kId) codes.push_back(code);
        }
        return codes;
    }

    static inline std::wstring clipPath_;
    static inline std::wstring stillPath_;
    static inline std::wstring modulePath_;
    static inline HMODULE module_ = nullptr;
    HWND dialog_ = nullptr;
    int filesBefore_ = 0;
};

#define REQUIRE_DECODER(control) \
    if (!OpenFile(control)) GTEST_SKIP() << "the video libraries here cannot open an 8-bit uncompressed AVI"

TEST(AnimateRules, FrameIntervalAndCentring) {
    struct Interval {
        uint32_t rate, scale, ms;
    };
    const Interval intervals[] = {
        {15, 1, 67}, {1, 2, 2000}, {3, 2, 667}, {2000, 1, 1}, {1000000, 1, 1}, {0, 1, 0}, {10, 0, 1},
    };
    for (const Interval& row : intervals) {
        EXPECT_EQ(AnimationFrameInterval(row.rate, row.scale), row.ms) << row.rate << "/" << row.scale;
    }
    struct Origin {
        int client, video, origin;
    };
    const Origin origins[] = {{80, 40, 20}, {40, 40, 0}, {20, 40, -10}, {21, 40, -9}, {41, 40, 0}};
    for (const Origin& row : origins) {
        EXPECT_EQ(AnimationCentredOrigin(row.client, row.video), row.origin)
            << row.client << " " << row.video;
    }
}

TEST_F(Animate, OpensFromFileAndResourceWithEitherMessage) {
    HWND probe = AddAnimate(0);
    REQUIRE_DECODER(probe);
    DestroyWindow(probe);
    ASSERT_TRUE(module_) << "could not build the module with clip resources";
    const std::string ansiPath(clipPath_.begin(), clipPath_.end());
    struct Case {
        const char* what;
        UINT message;
        WPARAM module;
        LPARAM name;
    };
    const Case cases[] = {
        {"file, W", ACM_OPENW, 0, reinterpret_cast<LPARAM>(clipPath_.c_str())},
        {"file, A", ACM_OPENA, 0, reinterpret_cast<LPARAM>(ansiPath.c_str())},
        {"resource id, W", ACM_OPENW, reinterpret_cast<WPARAM>(module_), kResourceId},
        {"resource name, W", ACM_OPENW, reinterpret_cast<WPARAM>(module_), reinterpret_cast<LPARAM>(L"CLIP")},
        {"resource name, A", ACM_OPENA, reinterpret_cast<WPARAM>(module_), reinterpret_cast<LPARAM>("CLIP")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND control = AddAnimate(0);
        ASSERT_EQ(SendMessageW(control, c.message, c.module, c.name), 1);
        Pump(20);
        // Without ACS_CENTER the control takes the clip's size and shows
        // frame 0 at 0,0.
        EXPECT_EQ(testwin::ClientSize(control).cx, kWidth);
        EXPECT_EQ(testwin::ClientSize(control).cy, kHeight);
        EXPECT_TRUE(CloseColour(ClientPixel(control, 0, 0), kKey));
        EXPECT_TRUE(CloseColour(ClientPixel(control, kWidth / 2, 5), FrameColour(0)));
        EXPECT_TRUE(CloseColour(ClientPixel(control, 7, kHeight - 5), ColumnColour(7)));
        // A null name closes the clip; the resource's files go with it.
        EXPECT_EQ(SendMessageW(control, ACM_OPENW, 0, 0), 1);
        EXPECT_EQ(TemporaryClipFiles(), filesBefore_);
        DestroyWindow(control);
    }
}

TEST_F(Animate, PlayerReadsTheWholeFormatWithItsPalette) {
    AviPlayer player;
    ASSERT_TRUE(player.Ok());
    if (!player.Open(clipPath_))
        GTEST_SKIP() << "the video libraries here cannot open an 8-bit uncompressed AVI";
    // Header and 256 colours: more than a fixed 1024-byte buffer holds.
    ASSERT_EQ(player.Format().size(), sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    const auto* palette = reinterpret_cast<const RGBQUAD*>(player.Format().data() + sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(RGB(palette[255].rgbRed, palette[255].rgbGreen, palette[255].rgbBlue), kLastColour);
    EXPECT_EQ(player.Width(), kWidth);
    EXPECT_EQ(player.Length(), kFrames);
    EXPECT_EQ(player.Rate(), 50u);
}

TEST_F(Animate, ClipNamedByTheWindowTextPlaysInTheSkin) {
    HWND probe = AddAnimate(0);
    REQUIRE_DECODER(probe);
    DestroyWindow(probe);
    ctlwin::Notifications().clear();
    HWND control = ctlwin::AddChild(dialog_, ANIMATE_CLASSW, ACS_AUTOPLAY, 0, RECT{20, 20, 120, 100}, kId,
                                    clipPath_.c_str());
    Pump(20);
    ASSERT_TRUE(dynamic_cast<SkinAnimate*>(WindowRegistry::Instance().Lookup(control)));
    EXPECT_TRUE(static_cast<SkinAnimate*>(WindowRegistry::Instance().Lookup(control))->Playing());
    EXPECT_EQ(testwin::ClientSize(control).cx, kWidth);
    EXPECT_EQ(Codes().back(), ACN_START);
    EXPECT_TRUE(CloseColour(ClientPixel(control, 0, 0), kKey));
}

TEST_F(Animate, FailedOpensReturnZeroAndLeaveNoFiles) {
    HWND control = AddAnimate(0);
    const std::wstring missing = TempDir() + L"no-such-clip.avi";
    EXPECT_EQ(SendMessageW(control, ACM_OPENW, 0, reinterpret_cast<LPARAM>(missing.c_str())), 0);
    EXPECT_EQ(SendMessageW(control, ACM_OPENW, reinterpret_cast<WPARAM>(module_), 99), 0);
    EXPECT_EQ(SendMessageW(control, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF)), 0);
    EXPECT_TRUE(Codes().empty());
    EXPECT_EQ(TemporaryClipFiles(), filesBefore_);
}

TEST_F(Animate, PlayNotifiesAndStopsWhenAsked) {
    HWND control = AddAnimate(0);
    REQUIRE_DECODER(control);
    ASSERT_EQ(SendMessageW(control, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF)), 1);
    EXPECT_EQ(Codes(), std::vector<int>{ACN_START});
    // 20 ms frames: within half a second every frame shows at least once.
    std::vector<bool> seen(kFrames, false);
    for (DWORD end = GetTickCount() + 500; GetTickCount() < end;) {
        Pump(5);
        const COLORREF pixel = ClientPixel(control, kWidth / 2, 5);
        for (int f = 0; f < kFrames; ++f) seen[f] = seen[f] || CloseColour(pixel, FrameColour(f), 4);
    }
    EXPECT_EQ(seen, std::vector<bool>(kFrames, true));
    EXPECT_EQ(SendMessageW(control, ACM_STOP, 0, 0), 1);
    EXPECT_EQ(Codes(), (std::vector<int>{ACN_START, ACN_STOP}));
    // Stopped: frames already posted are not shown.
    const COLORREF stopped = ClientPixel(control, kWidth / 2, 5);
    Pump(100);
    EXPECT_EQ(ClientPixel(control, kWidth / 2, 5), stopped);
    EXPECT_EQ(SendMessageW(control, ACM_STOP, 0, 0), 1);
    EXPECT_EQ(Codes().size(), 2u) << "a second stop notifies nothing";
}

TEST_F(Animate, RepeatCountPlaysTheRangeThatOften) {
    HWND control = AddAnimate(0);
    REQUIRE_DECODER(control);
    // Frames 1 and 2 once: the run ends on frame 2 without a notification
    // and counts as playing until the next stop.
    ASSERT_EQ(SendMessageW(control, ACM_PLAY, 1, MAKELPARAM(1, 2)), 1);
    Pump(300);
    EXPECT_TRUE(CloseColour(ClientPixel(control, kWidth / 2, 5), FrameColour(2)));
    EXPECT_EQ(Codes(), std::vector<int>{ACN_START});
    EXPECT_EQ(SendMessageW(control, ACM_ISPLAYING, 0, 0), 1);
    // A new play stops the old run first; it may start again after a run
    // that ended by itself.
    ASSERT_EQ(SendMessageW(control, ACM_PLAY, 2, MAKELPARAM(2, 3)), 1);
    Pump(300);
    EXPECT_TRUE(CloseColour(ClientPixel(control, kWidth / 2, 5), FrameColour(3)));
    SendMessageW(control, ACM_STOP, 0, 0);
    EXPECT_EQ(Codes(), (std::vector<int>{ACN_START, ACN_STOP, ACN_START, ACN_STOP}));
}

TEST_F(Animate, ClipWithoutRateDoesNotPlay) {
    HWND control = AddAnimate(0);
    REQUIRE_DECODER(control);
    ASSERT_EQ(SendMessageW(control, ACM_OPENW, 0, reinterpret_cast<LPARAM>(stillPath_.c_str())), 1);
    EXPECT_EQ(SendMessageW(control, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF)), 0);
    EXPECT_EQ(SendMessageW(control, ACM_ISPLAYING, 0, 0), 0);
    EXPECT_TRUE(Codes().empty());
}

TEST_F(Animate, DestroyingWhilePlayingReturnsAtOnce) {
    HWND control = AddAnimate(ACS_AUTOPLAY);
    ASSERT_TRUE(module_);
    if (!SendMessageW(control, ACM_OPENW, reinterpret_cast<WPARAM>(module_), kResourceId)) {
        GTEST_SKIP() << "the video libraries here cannot open an 8-bit uncompressed AVI";
    }
    EXPECT_EQ(Codes(), std::vector<int>{ACN_START});
    Pump(100);
    const DWORD start = GetTickCount();
    DestroyWindow(control);
    EXPECT_LT(GetTickCount() - start, 100u);
    EXPECT_EQ(Codes(), (std::vector<int>{ACN_START, ACN_STOP}));
    EXPECT_EQ(TemporaryClipFiles(), filesBefore_);
    Pump(50);
}

TEST_F(Animate, FramePlacementAndKeyColour) {
    HWND probe = AddAnimate(0);
    REQUIRE_DECODER(probe);
    DestroyWindow(probe);
    struct Probe {
        POINT at;          // client pixel
        COLORREF expected; // 0xFFFFFFFF: what the dialog shows under the control
    };
    constexpr COLORREF kBelow = 0xFFFFFFFF;
    struct Case {
        const char* what;
        DWORD style;
        RECT box;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"centred in a larger control, over the object's colour",
         ACS_CENTER,
         {20, 20, 100, 80},
         {{{5, 5}, kBackImage},
          {{12, 12}, kObjectBack},
          {{20, 15}, kKey},
          {{40, 20}, FrameColour(0)},
          {{75, 55}, kObjectBack}}},
        {"centred and transparent: the ring is keyed out",
         ACS_CENTER | ACS_TRANSPARENT,
         {20, 20, 100, 80},
         {{{5, 5}, kBelow},
          {{20, 15}, kBelow},
          {{21, 16}, kBelow},
          {{40, 20}, FrameColour(0)},
          {{30, 40}, ColumnColour(10)}}},
        {"centred in a smaller control: cut evenly",
         ACS_CENTER,
         {20, 20, 40, 36},
         {{{0, 12}, ColumnColour(10)}, {{19, 12}, ColumnColour(29)}, {{10, 0}, FrameColour(0)}}},
        {"placed at 0,0 without ACS_CENTER",
         0,
         {20, 20, 60, 50},
         {{{0, 0}, kKey}, {{20, 5}, FrameColour(0)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND control = AddAnimate(c.style, c.box);
        ASSERT_EQ(SendMessageW(control, ACM_OPENW, 0, reinterpret_cast<LPARAM>(clipPath_.c_str())), 1);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Pump(20);
        EXPECT_EQ(testwin::ClientSize(control).cx, c.box.right - c.box.left);
        // The dialog's own background, just left of the control.
        const COLORREF below = ClientPixel(dialog_, c.box.left - 3, c.box.top + 5);
        for (const Probe& p : c.probes) {
            const COLORREF expected = p.expected == kBelow ? below : p.expected;
            EXPECT_TRUE(CloseColour(ClientPixel(control, p.at.x, p.at.y), expected))
                << "at " << p.at.x << "," << p.at.y << ": " << std::hex
                << ClientPixel(control, p.at.x, p.at.y) << " instead of " << expected;
        }
        DestroyWindow(control);
    }
}

TEST_F(Animate, BorderFollowsTheEdgeStyles) {
    struct Case {
        DWORD exStyle;
        int width; // of the edge
    };
    const Case cases[] = {
        {0, 0},
        {WS_EX_CLIENTEDGE, GetSystemMetrics(SM_CXEDGE)},
        {WS_EX_STATICEDGE, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exStyle);
        HWND control =
            ctlwin::AddChild(dialog_, ANIMATE_CLASSW, ACS_CENTER, c.exStyle, RECT{20, 20, 100, 80}, kId);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Pump(20);
        RECT window{};
        GetWindowRect(control, &window);
        const int right = window.right - window.left - 1;
        if (c.width > 0) {
            EXPECT_TRUE(CloseColour(testwin::WindowPixel(control, 0, 0), kBorder));
            EXPECT_TRUE(CloseColour(testwin::WindowPixel(control, right, c.width - 1), kBorder));
        }
        // Inside the edge: the client's own picture.
        EXPECT_TRUE(CloseColour(testwin::WindowPixel(control, c.width, c.width), kBackImage));
        DestroyWindow(control);
    }
}

} // namespace
