// The entries, the hooks and the registry, driven through real windows.
#include <gtest/gtest.h>

#include "Skin.h"
#include "SkinEngine.h"
#include "SkinEntries.h"
#include "SkinObject.h"
#include "SkinWnd.h"
#include "SkinnerFactory.h"
#include "TestSkins.h"
#include "TestWindows.h"
#include "WindowRegistry.h"

namespace {

// Skinners of the engine's own while it runs: the shared tooltip.
constexpr long kEngineSkinners = 1;

using testwin::CreateDialogWindow;
using testwin::CreateFrameWindow;

bool Skinned(HWND hwnd) {
    return GetPropW(hwnd, L"OBJECT") != nullptr && WindowRegistry::Instance().Lookup(hwnd) != nullptr;
}

const char* ObjectName(HWND hwnd) {
    SkinWnd* skinner = WindowRegistry::Instance().Lookup(hwnd);
    return skinner && skinner->Object() ? skinner->Object()->Name() : "";
}

TEST(SkinEntriesNotStarted, EveryEntryFailsAndChangesNothing) {
    HWND frame = CreateFrameWindow(WS_OVERLAPPEDWINDOW, 200, 150);
    const std::wstring path = testskin::Write(L"runtime-a.tvf", {});
    EXPECT_FALSE(SkinLoadFile(path.c_str()));
    EXPECT_FALSE(SkinLoadResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102), L"QUARVELIN"));
    EXPECT_FALSE(SkinAttachWindow(frame, L"Dialog"));
    EXPECT_FALSE(SkinSetDialogDefault(L"Dialog"));
    EXPECT_FALSE(SkinClearDialogDefault());
    EXPECT_FALSE(Skinned(frame));
    SkinShutdown(); // harmless before a start-up
    DestroyWindow(frame);
}

class Engine : public ::testing::Test {
protected:
    void SetUp() override {
        skinA_ = testskin::Write(L"runtime-a.tvf", {});
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        ASSERT_TRUE(SkinLoadFile(skinA_.c_str()));
    }
    void TearDown() override {
        SetControlSkinnerFactoryForTesting(nullptr);
        SkinShutdown();
        EXPECT_EQ(SkinWnd::LiveCount(), 0);
        EXPECT_EQ(WindowRegistry::Instance().Count(), 0u);
    }
    std::wstring skinA_;
};

TEST_F(Engine, StartStopAndStartAgain) {
    const DWORD thread = GetCurrentThreadId();
    HHOOK creation = SkinEngine::Instance().CreationHookOf(thread);
    EXPECT_NE(creation, nullptr);
    EXPECT_NE(SkinEngine::Instance().KeyboardHookOf(thread), nullptr);
    // A second start-up on the same thread installs nothing new.
    EXPECT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
    EXPECT_EQ(SkinEngine::Instance().CreationHookOf(thread), creation);

    SkinShutdown();
    EXPECT_FALSE(SkinEngine::Instance().Started());
    EXPECT_EQ(SkinEngine::Instance().CreationHookOf(thread), nullptr);
    EXPECT_FALSE(SkinLoadFile(skinA_.c_str()));
    WNDCLASSW wc{};
    EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(nullptr), L"QuarvelinTooltip32", &wc));

    ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
    EXPECT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"QuarvelinPopupMenuWnd", &wc));
    EXPECT_TRUE(IsWindow(SkinEngine::Instance().TooltipWindow()));
    ASSERT_TRUE(SkinLoadFile(skinA_.c_str()));
    ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
    HWND dialog = CreateDialogWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 120);
    EXPECT_TRUE(Skinned(dialog));
    DestroyWindow(dialog);
}

TEST_F(Engine, FailedLoadsKeepTheCurrentSkin) {
    ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
    HWND dialog = CreateDialogWindow(WS_POPUP | WS_CAPTION, 200, 120);
    ASSERT_TRUE(Skinned(dialog));
    SkinObject* before = WindowRegistry::Instance().Lookup(dialog)->Object();
    EXPECT_FALSE(SkinLoadFile(L"no-such-skin.tvf"));
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring junk = std::wstring(temp) + L"runtime-junk.tvf";
    HANDLE file = CreateFileW(junk.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "\x10\0\0\0garbage-bytes!!", 20, &written, nullptr);
    CloseHandle(file);
    EXPECT_FALSE(SkinLoadFile(junk.c_str()));
    EXPECT_FALSE(SkinLoadResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(999), L"QUARVELIN"));
    EXPECT_EQ(WindowRegistry::Instance().Lookup(dialog)->Object(), before);
    DestroyWindow(dialog);
}

TEST_F(Engine, LoadsASkinFromAResource) {
    // The test program carries the default skin as resource 102.
    ASSERT_TRUE(SkinLoadResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102), L"QUARVELIN"));
    EXPECT_NE(WindowRegistry::Instance().CurrentSkin().FindObject("MainFrame"), nullptr);
}

TEST_F(Engine, AttachFrameRules) {
    HWND frame = CreateFrameWindow(WS_OVERLAPPEDWINDOW, 300, 200);
    EXPECT_FALSE(SkinAttachWindow(nullptr, L"Dialog"));
    EXPECT_FALSE(SkinAttachWindow(frame, L"Missing"));
    EXPECT_FALSE(SkinAttachWindow(frame, L"parts")); // an image, not a frame object
    EXPECT_FALSE(SkinAttachWindow(frame, L"Label")); // a control object
    EXPECT_FALSE(Skinned(frame));
    EXPECT_TRUE(SkinAttachWindow(frame, L"Alt"));
    EXPECT_STREQ(ObjectName(frame), "Alt");
    EXPECT_FALSE(SkinAttachWindow(frame, L"Dialog")); // attached twice
    EXPECT_STREQ(ObjectName(frame), "Alt");
    DestroyWindow(frame);
    EXPECT_EQ(WindowRegistry::Instance().Count(), 0u);

    HWND other = CreateFrameWindow(WS_OVERLAPPEDWINDOW, 300, 200);
    EXPECT_TRUE(SkinAttachWindow(other, nullptr)); // the first frame object by name
    EXPECT_STREQ(ObjectName(other), "Alt");
    DestroyWindow(other);
}

TEST_F(Engine, DialogDefaultDecidesWhichDialogsAreSkinned) {
    HWND plain = CreateDialogWindow(WS_POPUP | WS_CAPTION, 200, 120);
    EXPECT_FALSE(Skinned(plain));
    ASSERT_TRUE(SkinSetDialogDefault(L"Label")); // not a frame object: never attaches
    HWND wrongType = CreateDialogWindow(WS_POPUP | WS_CAPTION, 200, 120);
    EXPECT_FALSE(Skinned(wrongType));
    ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
    HWND skinned = CreateDialogWindow(WS_POPUP | WS_CAPTION, 200, 120);
    EXPECT_TRUE(Skinned(skinned));
    ASSERT_TRUE(SkinClearDialogDefault());
    HWND cleared = CreateDialogWindow(WS_POPUP | WS_CAPTION, 200, 120);
    EXPECT_FALSE(Skinned(cleared));
    for (HWND h : {plain, wrongType, skinned, cleared}) DestroyWindow(h);
}

// A stand-in control skinner: counts what happens to it.
class ProbeSkinner : public SkinWnd {
public:
    LRESULT MenuKey(WPARAM key, LPARAM flags) override {
        keys.push_back({key, flags});
        return answer;
    }
    static inline std::vector<std::pair<WPARAM, LPARAM>> keys;
    static inline LRESULT answer = 0;
};

TEST_F(Engine, NestedChildIsAdoptedByTheNearestSkinnedAncestor) {
    SetControlSkinnerFactoryForTesting([](ControlKind kind) -> std::unique_ptr<SkinWnd> {
        return kind == kKindStatic ? std::make_unique<ProbeSkinner>() : nullptr;
    });
    ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
    HWND dialog = CreateDialogWindow(WS_POPUP | WS_CAPTION | WS_VISIBLE, 240, 160, true);
    ASSERT_TRUE(Skinned(dialog));
    HWND label = GetDlgItem(dialog, 100);
    EXPECT_TRUE(Skinned(label)); // created by the dialog manager, adopted by the hook
    // A panel without a skinner, and a static inside it.
    HWND panel = CreateWindowExW(0, testwin::PlainClass(), L"", WS_CHILD | WS_VISIBLE, 10, 40, 100, 60,
                                 dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_FALSE(Skinned(panel));
    HWND nested = CreateWindowExW(0, L"Static", L"nested", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, panel,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_TRUE(Skinned(nested));
    EXPECT_EQ(WindowRegistry::Instance().Find(nested), WindowRegistry::Instance().Lookup(nested));
    EXPECT_EQ(WindowRegistry::Instance().Find(panel), WindowRegistry::Instance().Lookup(dialog));
    const auto& children = WindowRegistry::Instance().Lookup(dialog)->ChildWindows();
    EXPECT_TRUE(children.count(nested));
    EXPECT_EQ(WindowRegistry::Instance().Count(), 3u);
    DestroyWindow(nested);
    EXPECT_FALSE(WindowRegistry::Instance().Lookup(nested));
    DestroyWindow(dialog);
    EXPECT_EQ(WindowRegistry::Instance().Count(), 0u);
}

TEST_F(Engine, ReskinKeepsNamesFallsBackByTypeAndDropsTheRest) {
    SetControlSkinnerFactoryForTesting([](ControlKind kind) -> std::unique_ptr<SkinWnd> {
        return kind == kKindStatic ? std::make_unique<ProbeSkinner>() : nullptr;
    });
    HWND named = CreateFrameWindow(WS_OVERLAPPEDWINDOW, 300, 200);
    HWND alt = CreateFrameWindow(WS_OVERLAPPEDWINDOW, 300, 200);
    const LONG_PTR altProc = GetWindowLongPtrW(alt, GWLP_WNDPROC);
    ASSERT_TRUE(SkinAttachWindow(named, L"Dialog"));
    ASSERT_TRUE(SkinAttachWindow(alt, L"Alt"));
    ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
    HWND dialog = CreateDialogWindow(WS_POPUP | WS_CAPTION, 240, 160, true);
    HWND label = GetDlgItem(dialog, 100);
    ASSERT_TRUE(Skinned(label));

    // Second skin: "Dialog" again, no "Alt", no static object.
    testskin::Options second;
    second.variant = 1;
    second.withAltObject = false;
    second.withStatic = false;
    ASSERT_TRUE(SkinLoadFile(testskin::Write(L"runtime-b.tvf", second).c_str()));
    EXPECT_STREQ(ObjectName(named), "Dialog");
    EXPECT_STREQ(ObjectName(alt), "Dialog"); // first object of the same type code
    EXPECT_FALSE(Skinned(label));            // no static object any more

    // Third skin without any frame object: every frame returns to the platform.
    testskin::Options third;
    third.withAltObject = false;
    third.withDialogObject = false;
    ASSERT_TRUE(SkinLoadFile(testskin::Write(L"runtime-c.tvf", third).c_str()));
    EXPECT_FALSE(Skinned(named));
    EXPECT_FALSE(Skinned(alt));
    EXPECT_FALSE(Skinned(dialog));
    EXPECT_EQ(GetWindowLongPtrW(alt, GWLP_WNDPROC), altProc);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(alt, region), ERROR); // the skin's region went with it
    DeleteObject(region);
    EXPECT_EQ(SkinWnd::LiveCount(), kEngineSkinners);
    for (HWND h : {named, alt, dialog}) DestroyWindow(h);
}

TEST_F(Engine, NoSkinnerOutlivesItsDialog) {
    SetControlSkinnerFactoryForTesting([](ControlKind kind) -> std::unique_ptr<SkinWnd> {
        return kind == kKindStatic ? std::make_unique<ProbeSkinner>() : nullptr;
    });
    ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
    for (int i = 0; i < 1000; ++i) {
        HWND dialog = CreateDialogWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 120, true);
        ASSERT_TRUE(Skinned(dialog)) << i;
        DestroyWindow(dialog);
    }
    EXPECT_EQ(SkinWnd::LiveCount(), kEngineSkinners);
    EXPECT_EQ(WindowRegistry::Instance().Count(), 0u);
}

TEST_F(Engine, AltAndAltCombinationsReachTheActiveSkinner) {
    HWND frame = CreateFrameWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200);
    SkinWnd* probe = WindowRegistry::Instance().Register(std::make_unique<ProbeSkinner>(), frame);
    ASSERT_NE(probe, nullptr);
    probe->Attach(frame);
    SetForegroundWindow(frame);
    SetActiveWindow(frame);
    SetFocus(frame);
    testwin::Pump(50);
    ASSERT_EQ(GetActiveWindow(), frame);
    ProbeSkinner::keys.clear();
    ProbeSkinner::answer = 1;

    INPUT input[4] = {};
    for (auto& i : input) i.type = INPUT_KEYBOARD;
    input[0].ki.wVk = VK_MENU;
    input[1].ki.wVk = 'F';
    input[2].ki.wVk = 'F';
    input[2].ki.dwFlags = KEYEVENTF_KEYUP;
    input[3].ki.wVk = VK_MENU;
    input[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(4, input, sizeof(INPUT)), 4u);
    testwin::Pump(200);

    // Alt down (Alt held): -1; F down with Alt: the key; F up: not forwarded.
    ASSERT_GE(ProbeSkinner::keys.size(), 2u);
    EXPECT_EQ(ProbeSkinner::keys[0].first, static_cast<WPARAM>(-1));
    EXPECT_EQ(ProbeSkinner::keys[1].first, static_cast<WPARAM>('F'));
    for (size_t i = 2; i < ProbeSkinner::keys.size(); ++i) EXPECT_NE(ProbeSkinner::keys[i].first, 'F');
    ProbeSkinner::answer = 0;
    DestroyWindow(frame);
}

} // namespace
