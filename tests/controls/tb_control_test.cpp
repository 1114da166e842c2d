#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/tb_control.h"
#include "tests/controls/command_sink.h"
#include "tests/framework/import_patch.h"

namespace {

std::unique_ptr<TBControl> MakeBanner(CommandSink& sink, int commandId)
{
    auto banner = std::make_unique<TBControl>(GetModuleHandleA(nullptr), sink.Handle(), 5, 5, 300, 34);
    banner->SetContent("Monatsplan f\xFCr Januar 2025", "TEST_CLOCK", commandId);
    banner->ShowBanner();
    return banner;
}

TEST(TBControl, SendsOneCommandOnButtonDownNoneOnReleaseAndHoldsTheCaptureWhileTheMouseIsOver)
{
    CommandSink sink;
    auto banner = MakeBanner(sink, 0x12345);
    HWND window = banner->GetBannerWindow();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HCURSOR), 0);

    SendMouse(window, WM_MOUSEMOVE, window);
    EXPECT_EQ(GetCapture(), window);
    SendMouse(window, WM_LBUTTONDOWN, window);
    ASSERT_EQ(sink.commands.size(), 1u);
    EXPECT_EQ(sink.commands[0].wParam, 0x2345u) << "the identifier's low 16 bits, high word 0";
    EXPECT_EQ(sink.commands[0].lParam, 0);
    SendMouse(window, WM_LBUTTONUP, window);
    EXPECT_EQ(sink.commands.size(), 1u);
    SendMouse(window, WM_MOUSEMOVE, window, POINT{320, 50});
    EXPECT_EQ(GetCapture(), nullptr);
}

std::vector<HICON> destroyedIcons;

BOOL WINAPI RecordDestroyIcon(HICON icon)
{
    destroyedIcons.push_back(icon);
    return TRUE;
}

TEST(TBControl, NeverDestroysTheSharedIconLoadIconGave)
{
    HICON own = CopyIcon(LoadIconA(GetModuleHandleA(nullptr), "TEST_CLOCK"));
    {
        ImportPatch patch("USER32.dll", "DestroyIcon", reinterpret_cast<const void*>(RecordDestroyIcon));
        ASSERT_TRUE(patch.Patched());
        destroyedIcons.clear();
        {
            CommandSink sink;
            auto banner = MakeBanner(sink, 1);
            banner->SetContent("anders", "TEST_SUN", 1);
        }
        DestroyIcon(own); // an icon of our own: proves the stand-in sees the calls
    }
    EXPECT_EQ(destroyedIcons, std::vector<HICON>{own});
    DestroyIcon(own);
}

TEST(TBControl, ABannerDeletedAfterItsParentDiedLeavesTheDeadHandleAlone)
{
    auto parent = std::make_unique<CommandSink>();
    auto banner = MakeBanner(*parent, 1);
    parent.reset();
    EXPECT_EQ(banner->GetBannerWindow(), nullptr);
    banner.reset();
}

TEST(TBControl, TwoBannersAreIndependent)
{
    CommandSink first, second;
    auto one = MakeBanner(first, 5);
    auto two = MakeBanner(second, 6);
    WNDCLASSA registered{};
    for (int round = 1; round <= 2; ++round) {
        SendMouse(two->GetBannerWindow(), WM_LBUTTONDOWN, two->GetBannerWindow());
        EXPECT_TRUE(first.commands.empty());
        ASSERT_EQ(second.commands.size(), static_cast<size_t>(round));
        EXPECT_EQ(second.commands.back().wParam, 6u);
        one.reset();
        EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "TBControl", &registered)) << "the other keeps the class";
    }
    two.reset();
    EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "TBControl", &registered));
}

} // namespace
