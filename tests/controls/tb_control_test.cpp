#include <gtest/gtest.h>

#include <memory>

#include "controls/tb_control.h"
#include "tests/controls/command_sink.h"

namespace {

HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

std::unique_ptr<TBControl> MakeBanner(CommandSink& sink, int commandId)
{
    auto banner = std::make_unique<TBControl>(Module(), sink.Handle(), 5, 5, 300, 34);
    banner->SetContent("Monatsplan f\xFCr Januar 2025", "TEST_CLOCK", commandId);
    banner->ShowBanner();
    return banner;
}

TEST(TBControl, OneCommandOnButtonDownNoneOnRelease)
{
    CommandSink sink;
    auto banner = MakeBanner(sink, 0x12345);
    HWND window = banner->GetBannerWindow();
    EXPECT_TRUE(IsWindowVisible(window));

    SendMouse(window, WM_LBUTTONDOWN, window);
    ASSERT_EQ(sink.commands.size(), 1u);
    EXPECT_EQ(sink.commands[0].wParam, 0x2345u) << "the identifier's low 16 bits, high word 0";
    EXPECT_EQ(sink.commands[0].lParam, 0);

    SendMouse(window, WM_LBUTTONUP, window);
    EXPECT_EQ(sink.commands.size(), 1u);
}

TEST(TBControl, TwoBannersAreIndependent)
{
    CommandSink first;
    CommandSink second;
    auto one = MakeBanner(first, 5);
    auto two = MakeBanner(second, 6);

    SendMouse(two->GetBannerWindow(), WM_LBUTTONDOWN, two->GetBannerWindow());
    EXPECT_TRUE(first.commands.empty());
    ASSERT_EQ(second.commands.size(), 1u);
    EXPECT_EQ(second.commands[0].wParam, 6u);

    one.reset();
    WNDCLASSA registered{};
    EXPECT_TRUE(GetClassInfoA(Module(), "TBControl", &registered)) << "the other banner keeps the class";
    SendMouse(two->GetBannerWindow(), WM_LBUTTONDOWN, two->GetBannerWindow());
    EXPECT_EQ(second.commands.size(), 2u);

    two.reset();
    EXPECT_FALSE(GetClassInfoA(Module(), "TBControl", &registered));
}

TEST(TBControl, HoldsTheCaptureOnlyWhileTheMouseIsOver)
{
    CommandSink sink;
    auto banner = MakeBanner(sink, 1);
    HWND window = banner->GetBannerWindow();
    SendMouse(window, WM_MOUSEMOVE, window);
    EXPECT_EQ(GetCapture(), window);
    SendMouse(window, WM_MOUSEMOVE, window, POINT{320, 50});
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(TBControl, ClassUsesTheHandCursor)
{
    CommandSink sink;
    auto banner = MakeBanner(sink, 1);
    EXPECT_NE(GetClassLongPtrA(banner->GetBannerWindow(), GCLP_HCURSOR), 0);
}

} // namespace
