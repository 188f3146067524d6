// The skin end to end: with the default skin every dialog and box carries it
// (the driver checks each window it finds); without a usable skin file the
// program starts with the platform's look and works.
#include <gtest/gtest.h>

#include "AppDriver.h"

using namespace e2e;

namespace {

constexpr int kSettings = 1004;

void ExpectPlatformLook(const SimRecorder& recorder) {
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    EXPECT_FALSE(CarriesSkin(app.Login()));
    app.Press(app.Login(), kSettings);
    Box box = app.WaitBox();
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(box.text, L"密码不能为空!");
    EXPECT_FALSE(CarriesSkin(box.hwnd));
    app.Dismiss(box);
}

TEST(Skin, MissingSkinFileLeavesThePlatformLook) {
    SimRecorder recorder(L"skin-missing");
    ASSERT_TRUE(DeleteFileW(recorder.SkinPath().c_str()));
    ExpectPlatformLook(recorder);
}

TEST(Skin, DamagedSkinFileLeavesThePlatformLook) {
    SimRecorder recorder(L"skin-damaged");
    std::string bytes = ReadBytes(recorder.SkinPath());
    ASSERT_GT(bytes.size(), 64u);
    // Cut the compressed body short and spoil its first bytes.
    bytes.resize(bytes.size() / 3);
    for (size_t i = 4; i < 24; ++i) bytes[i] = static_cast<char>(0xA5);
    WriteBytes(recorder.SkinPath(), bytes);
    ExpectPlatformLook(recorder);
}

TEST(Skin, MessageBoxCarriesTheSkin) {
    SimRecorder recorder(L"skin-box");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    EXPECT_TRUE(CarriesSkin(app.Login()));
    app.Press(app.Login(), kSettings);
    Box box = app.WaitBox(); // the driver checks the skin of every box it finds
    ASSERT_NE(box.hwnd, nullptr);
    // The box laid itself out for the system's frame; the skin keeps its
    // text and button inside the client area.
    RECT client{}, button{};
    GetClientRect(box.hwnd, &client);
    GetWindowRect(GetDlgItem(box.hwnd, IDOK), &button);
    MapWindowPoints(nullptr, box.hwnd, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_LE(button.bottom, client.bottom);
    EXPECT_LE(button.right, client.right);
    CreateDirectoryW((BinFolder() + L"\\screenshots").c_str(), nullptr);
    EXPECT_TRUE(SaveScreenshot(box.hwnd, BinFolder() + L"\\screenshots\\message-box.bmp"));
    app.Dismiss(box);
}

} // namespace
