#include <gtest/gtest.h>

#include "controls/bb_control.h"
#include "controls/dib.h"
#include "tests/controls/bb_control_access.h"
#include "tests/controls/command_sink.h"

namespace {

using Access = BBControlTestAccess;

constexpr int SECOND_GROUP_COMMAND = 20;
constexpr int FIRST_ITEM_COMMAND = 100;
constexpr int SECOND_ITEM_COMMAND = 200;
constexpr int AREA_HEIGHT = 300;
constexpr POINT OUTSIDE_BAR{200, 50}; // from the bar's top-left corner

// A bar of 90 pixels whose button area is 300 high: group 0 springs back and
// holds 6 buttons, group 1 latches and holds 3.
class ButtonBar : public testing::Test {
protected:
    void SetUp() override
    {
        bar = BBControl::GetInstance();
        ASSERT_EQ(bar->Create(GetModuleHandleA(nullptr), sink.Handle(), 0, 0, 90, 400), 1);
        RECT client{};
        GetClientRect(Bar(), &client);
        MoveWindow(Bar(), 0, 0, 90, 400 - client.bottom + AREA_HEIGHT + 2 * 20, TRUE);
        ASSERT_EQ(bar->AddGroup("Eintr\xE4ge", 10, 0), 1);
        ASSERT_EQ(bar->AddGroup("Zeitpl\xE4ne", SECOND_GROUP_COMMAND, 1), 1);
        const char* icons[] = {"TEST_CLOCK", "TEST_CALENDAR", "TEST_SUN"};
        for (int i = 0; i < 6; ++i)
            ASSERT_EQ(bar->AddItem(0, "Knopf", icons[i % 3], FIRST_ITEM_COMMAND + i), 1);
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(bar->AddItem(1, "Plan", icons[i], SECOND_ITEM_COMMAND + i), 1);
        ASSERT_EQ(bar->ShowBar(), 1);
    }
    void TearDown() override
    {
        BBControl::ReleaseInstance(bar);
        EXPECT_EQ(Access::InstanceIfAny(), nullptr);
    }

    HWND Bar() const { return bar->GetBarWindow(); }
    HWND Item(int group, int item) const { return Access::ItemWindow(*bar, group, item); }
    // The mouse as Windows delivers it while the bar holds the capture.
    void Mouse(UINT message, HWND over) { SendMouse(Bar(), message, over); }
    void Click(HWND over)
    {
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
            Mouse(message, over);
    }
    // Whether the button shows the image of that look.
    bool Shows(int group, int item, ButtonLook look) const
    {
        return SendMessageA(Item(group, item), STM_GETIMAGE, IMAGE_BITMAP, 0) ==
               reinterpret_cast<LRESULT>(Access::ItemImage(*bar, group, item, look));
    }
    int Top(HWND window) const
    {
        RECT rect{};
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, Bar(), reinterpret_cast<POINT*>(&rect), 2);
        return rect.top;
    }
    std::vector<WPARAM> Commands() const
    {
        std::vector<WPARAM> commands;
        for (const ReceivedCommand& command : sink.commands)
            commands.push_back(command.lParam == 0 ? command.wParam : ~WPARAM{0});
        return commands;
    }

    CommandSink sink{300, 500};
    BBControl* bar = nullptr;
};

TEST_F(ButtonBar, HoverRaisesAndLeavingTheBarReleasesCaptureAndHotButton)
{
    Mouse(WM_MOUSEMOVE, Item(0, 1));
    EXPECT_EQ(Access::HotItem(*bar, 0), 1);
    EXPECT_TRUE(Shows(0, 1, LOOK_RAISED));
    EXPECT_EQ(GetCapture(), Bar());

    Mouse(WM_MOUSEMOVE, Item(0, 2));
    EXPECT_EQ(Access::HotItem(*bar, 0), 2);
    EXPECT_TRUE(Shows(0, 1, LOOK_NORMAL));

    SendMouse(Bar(), WM_MOUSEMOVE, Bar(), OUTSIDE_BAR);
    EXPECT_EQ(Access::HotItem(*bar, 0), -1);
    EXPECT_TRUE(Shows(0, 2, LOOK_NORMAL));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(sink.commands.empty());
}

struct ReleaseCase {
    const char* name;
    int moveTo;    // button of group 0 the mouse moves to after the press; -1: none
    int releaseAt; // button of group 0 over which it is released; -1: outside the bar
    bool sends;
};

class ButtonBarRelease : public ButtonBar, public testing::WithParamInterface<ReleaseCase> {};

TEST_P(ButtonBarRelease, SendsOneCommandOnlyWhenReleasedOverThePressedButton)
{
    const ReleaseCase& c = GetParam();
    Mouse(WM_MOUSEMOVE, Item(0, 1));
    Mouse(WM_LBUTTONDOWN, Item(0, 1));
    EXPECT_EQ(Access::HeldItem(*bar, 0), 1);
    EXPECT_TRUE(Shows(0, 1, LOOK_PRESSED));
    if (c.moveTo >= 0)
        Mouse(WM_MOUSEMOVE, Item(0, c.moveTo));
    if (c.releaseAt >= 0)
        Mouse(WM_LBUTTONUP, Item(0, c.releaseAt));
    else
        SendMouse(Bar(), WM_LBUTTONUP, Bar(), OUTSIDE_BAR);
    EXPECT_EQ(Commands(), c.sends ? std::vector<WPARAM>{FIRST_ITEM_COMMAND + 1} : std::vector<WPARAM>{});
    EXPECT_EQ(Access::HeldItem(*bar, 0), -1);
    EXPECT_EQ(Access::SelectedItem(*bar, 0), -1) << "group 0 springs back";
    EXPECT_TRUE(Shows(0, 1, LOOK_NORMAL));
}

INSTANTIATE_TEST_SUITE_P(Paths, ButtonBarRelease,
                         testing::Values(ReleaseCase{"Inside", -1, 1, true},
                                         ReleaseCase{"OnAnotherButton", -1, 2, false},
                                         ReleaseCase{"AfterMovingAway", 2, 2, false},
                                         ReleaseCase{"OutsideTheBar", -1, -1, false}),
                         [](const testing::TestParamInfo<ReleaseCase>& info) { return info.param.name; });

TEST_F(ButtonBar, DisabledButtonsNeverBecomeHotOrHeld)
{
    Mouse(WM_MOUSEMOVE, Item(0, 2));
    EXPECT_EQ(bar->EnableItem(0, 2, 0), 1);
    EXPECT_EQ(bar->EnableItem(0, 2, 0), 0) << "no change";
    EXPECT_EQ(Access::HotItem(*bar, 0), -1) << "disabling the hot button";
    EXPECT_TRUE(Shows(0, 2, LOOK_DISABLED));
    Click(Item(0, 2));
    EXPECT_EQ(Access::HotItem(*bar, 0), -1);
    EXPECT_EQ(Access::HeldItem(*bar, 0), -1);
    EXPECT_TRUE(sink.commands.empty());

    EXPECT_EQ(bar->EnableItem(0, 2, 1), 1);
    Click(Item(0, 2));
    EXPECT_EQ(Commands(), std::vector<WPARAM>{FIRST_ITEM_COMMAND + 2});

    EXPECT_EQ(bar->EnableGroup(1, 0), 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Access::IsItemDisabled(*bar, 1, i)) << i;
}

// Common controls 6 keep their own copy of a bitmap that carries alpha and
// hand that copy back on the next STM_SETIMAGE. This stand-in hands back a
// fresh bitmap every time.
std::vector<HBITMAP> handedBack;
WNDPROC staticProcedure = nullptr;

LRESULT CALLBACK CopyingStatic(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != STM_SETIMAGE)
        return CallWindowProcA(staticProcedure, window, message, wParam, lParam);
    CallWindowProcA(staticProcedure, window, message, wParam, lParam);
    handedBack.push_back(CreateBitmap(1, 1, 1, 1, nullptr));
    return reinterpret_cast<LRESULT>(handedBack.back());
}

TEST_F(ButtonBar, DeletesTheCopiesTheControlHandsBackButNeverItsOwnImages)
{
    handedBack.clear();
    staticProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Item(0, 1), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CopyingStatic)));
    for (int item : {1, 2, 1, 3})
        Mouse(WM_MOUSEMOVE, Item(0, item));
    for (int item = 0; item < 6; ++item)
        for (int look = LOOK_NORMAL; look <= LOOK_DISABLED; ++look)
            EXPECT_EQ(GetObjectType(Access::ItemImage(*bar, 0, item, static_cast<ButtonLook>(look))), OBJ_BITMAP)
                << item << "," << look;
    BBControl::ReleaseInstance(bar);
    bar = nullptr;
    ASSERT_EQ(handedBack.size(), 5u) << "four looks shown, one taken back";
    for (HBITMAP copy : handedBack)
        EXPECT_EQ(GetObjectType(copy), 0u);
}

TEST_F(ButtonBar, AButtonDisabledWhileHeldIsLetGoAndSendsNothing)
{
    Mouse(WM_MOUSEMOVE, Item(0, 1));
    Mouse(WM_LBUTTONDOWN, Item(0, 1));
    EXPECT_EQ(bar->EnableItem(0, 1, 0), 1);
    EXPECT_EQ(Access::HeldItem(*bar, 0), -1);
    Mouse(WM_MOUSEMOVE, Item(0, 1));
    Mouse(WM_LBUTTONUP, Item(0, 1));
    EXPECT_TRUE(sink.commands.empty());
    EXPECT_EQ(Access::HotItem(*bar, 0), -1);
    EXPECT_TRUE(Shows(0, 1, LOOK_DISABLED));
}

TEST_F(ButtonBar, ScrollsWithTheArrowsWhenRowsRunOut)
{
    // (300 + 30) / 60 = 5 visible rows for 6 buttons.
    EXPECT_TRUE(IsWindowVisible(Access::DownArrow(*bar)));
    EXPECT_FALSE(IsWindowVisible(Access::UpArrow(*bar)));

    Mouse(WM_LBUTTONDOWN, Access::DownArrow(*bar));
    EXPECT_EQ(Access::FirstVisibleItem(*bar, 0), 1);
    EXPECT_FALSE(IsWindowVisible(Access::DownArrow(*bar)));
    EXPECT_TRUE(IsWindowVisible(Access::UpArrow(*bar)));
    EXPECT_FALSE(IsWindowVisible(Item(0, 0)));
    EXPECT_EQ(Top(Item(0, 1)), Top(Access::ButtonArea(*bar)));

    Mouse(WM_LBUTTONDOWN, Access::DownArrow(*bar));
    EXPECT_EQ(Access::FirstVisibleItem(*bar, 0), 1) << "a hidden arrow does nothing";

    Mouse(WM_LBUTTONDOWN, Access::UpArrow(*bar));
    EXPECT_EQ(Access::FirstVisibleItem(*bar, 0), 0);
    EXPECT_TRUE(IsWindowVisible(Item(0, 0)));
    EXPECT_TRUE(sink.commands.empty());
}

TEST_F(ButtonBar, ClickingAnotherHeaderOpensItsGroupBetweenTheHeaders)
{
    RECT client{}, area{};
    GetClientRect(Bar(), &client);
    GetClientRect(Access::ButtonArea(*bar), &area);
    EXPECT_EQ(area.bottom, AREA_HEIGHT);
    EXPECT_EQ(Top(Access::HeaderWindow(*bar, 0)), 0);
    EXPECT_EQ(Top(Access::ButtonArea(*bar)), 20);
    EXPECT_EQ(Top(Access::HeaderWindow(*bar, 1)), client.bottom - 20);
    int width = 0, height = 0;
    ASSERT_EQ(GetBitmapSize(Access::ItemImage(*bar, 0, 0, LOOK_PRESSED), &width, &height), 1);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(int{client.right}, 60)) << "images fill a row";

    Mouse(WM_LBUTTONDOWN, Access::HeaderWindow(*bar, 0));
    EXPECT_TRUE(sink.commands.empty()) << "the open group's header does nothing";
    Mouse(WM_LBUTTONDOWN, Access::HeaderWindow(*bar, 1));
    EXPECT_EQ(Access::OpenGroup(*bar), 1);
    EXPECT_EQ(Commands(), std::vector<WPARAM>{SECOND_GROUP_COMMAND});
    EXPECT_EQ(Top(Access::HeaderWindow(*bar, 1)), 20);
    EXPECT_EQ(Top(Access::ButtonArea(*bar)), 40);
    EXPECT_FALSE(IsWindowVisible(Item(0, 0)));
    EXPECT_TRUE(IsWindowVisible(Item(1, 0)));
    EXPECT_FALSE(IsWindowVisible(Access::DownArrow(*bar))) << "3 buttons fit";
}

TEST_F(ButtonBar, LatchingGroupKeepsTheActivatedButtonPressed)
{
    Mouse(WM_LBUTTONDOWN, Access::HeaderWindow(*bar, 1));
    sink.commands.clear();
    Click(Item(1, 1));
    EXPECT_EQ(Commands(), std::vector<WPARAM>{SECOND_ITEM_COMMAND + 1});
    EXPECT_EQ(Access::SelectedItem(*bar, 1), 1);
    EXPECT_TRUE(Shows(1, 1, LOOK_PRESSED));

    Mouse(WM_MOUSEMOVE, Item(1, 1));
    EXPECT_EQ(Access::HotItem(*bar, 1), -1) << "the selected button never becomes hot";

    Click(Item(1, 2));
    EXPECT_EQ(Access::SelectedItem(*bar, 1), 2);
    EXPECT_TRUE(Shows(1, 1, LOOK_NORMAL));
}

TEST_F(ButtonBar, ForgetsItsWindowsWhenTheParentTakesThemAlong)
{
    // The system may give a dead window's handle to a new window, which the
    // bar must then leave alone.
    DestroyWindow(sink.Handle());
    EXPECT_EQ(Bar(), nullptr);
    for (HWND window : {Access::ButtonArea(*bar), Access::UpArrow(*bar), Access::DownArrow(*bar),
                        Access::HeaderWindow(*bar, 1), Item(0, 5), Item(1, 0)})
        EXPECT_EQ(window, nullptr);
}

TEST(ButtonBarEmpty, AnUncaptionedGroupIsNamedByItsNumberAndWithoutButtonsCannotBeEnabledOrOpened)
{
    CommandSink sink;
    BBControl* bar = BBControl::GetInstance();
    bar->Create(GetModuleHandleA(nullptr), sink.Handle(), 0, 0, 90, 300);
    bar->AddGroup("A", 1, 0);
    bar->AddGroup(nullptr, 2, 0);
    bar->AddItem(0, "x", "TEST_SUN", 5);
    bar->ShowBar();
    char caption[64] = {};
    GetWindowTextA(Access::HeaderWindow(*bar, 1), caption, sizeof caption);
    EXPECT_STREQ(caption, "unbenannt (2)");
    GetWindowTextA(Access::HeaderWindow(*bar, 0), caption, sizeof caption);
    EXPECT_STREQ(caption, "A");
    EXPECT_EQ(bar->EnableGroup(1, 0), 0);
    SendMouse(bar->GetBarWindow(), WM_LBUTTONDOWN, Access::HeaderWindow(*bar, 1));
    EXPECT_EQ(Access::OpenGroup(*bar), 0);
    EXPECT_TRUE(sink.commands.empty());
    BBControl::ReleaseInstance(bar);
}

TEST_F(ButtonBar, OutOfRangeIndicesDoNothing)
{
    for (auto [group, item] : {std::pair{-1, 0}, std::pair{2, 0}, std::pair{0, 6}, std::pair{1, -1}}) {
        EXPECT_EQ(bar->EnableItem(group, item, 0), 0) << group << "," << item;
        EXPECT_EQ(bar->AddItem(group < 0 || group > 1 ? group : 7, "x", "TEST_SUN", 1), 0) << group;
    }
}

} // namespace
