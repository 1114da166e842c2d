#include <gtest/gtest.h>

#include "controls/bb_control.h"
#include "controls/dib.h"
#include "tests/controls/command_sink.h"

namespace {

constexpr int FIRST_GROUP_COMMAND = 10;
constexpr int SECOND_GROUP_COMMAND = 20;
constexpr int FIRST_ITEM_COMMAND = 100;
constexpr int SECOND_ITEM_COMMAND = 200;
constexpr int AREA_HEIGHT = 300;

// A bar of 90 pixels whose button area is 300 high: group 0 springs back and
// holds 6 buttons, group 1 latches and holds 3.
class ButtonBar : public testing::Test {
protected:
    void SetUp() override
    {
        bar = BBControl::GetInstance();
        ASSERT_EQ(bar->Create(GetModuleHandleA(nullptr), sink.Handle(), 0, 0, 90, 400), 1);
        RECT client{};
        GetClientRect(bar->GetBarWindow(), &client);
        const int frame = 400 - client.bottom;
        MoveWindow(bar->GetBarWindow(), 0, 0, 90, frame + AREA_HEIGHT + 2 * 20, TRUE);

        bar->SetBackgroundColour(RGB(0, 0, 128));
        bar->SetTextColour(RGB(255, 255, 255));
        ASSERT_EQ(bar->AddGroup("Eintr\xE4ge", FIRST_GROUP_COMMAND, 0), 1);
        ASSERT_EQ(bar->AddGroup("Zeitpl\xE4ne", SECOND_GROUP_COMMAND, 1), 1);
        const char* icons[] = {"TEST_CLOCK", "TEST_CALENDAR", "TEST_SUN"};
        for (int i = 0; i < 6; ++i)
            ASSERT_EQ(bar->AddItem(0, "Knopf", icons[i % 3], FIRST_ITEM_COMMAND + i), 1);
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(bar->AddItem(1, "Plan", icons[i], SECOND_ITEM_COMMAND + i), 1);
        ASSERT_EQ(bar->ShowBar(), 1);
    }
    void TearDown() override { BBControl::ReleaseInstance(bar); }

    HWND Bar() const { return bar->GetBarWindow(); }
    HWND Item(int group, int item) const { return bar->GetItemWindow(group, item); }
    // The mouse as Windows delivers it while the bar holds the capture.
    void Mouse(UINT message, HWND over) { SendMouse(Bar(), message, over); }
    void Click(HWND over)
    {
        Mouse(WM_MOUSEMOVE, over);
        Mouse(WM_LBUTTONDOWN, over);
        Mouse(WM_LBUTTONUP, over);
    }
    HBITMAP Shown(int group, int item) const
    {
        return reinterpret_cast<HBITMAP>(SendMessageA(Item(group, item), STM_GETIMAGE, IMAGE_BITMAP, 0));
    }
    HBITMAP Look(int group, int item, ButtonLook look) const { return bar->GetItemImage(group, item, look); }
    int Top(HWND window) const
    {
        RECT rect{};
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, Bar(), reinterpret_cast<POINT*>(&rect), 2);
        return rect.top;
    }

    CommandSink sink{300, 500};
    BBControl* bar = nullptr;
};

TEST_F(ButtonBar, HoverRaisesAndLeavingTheBarReleasesCaptureAndHotButton)
{
    Mouse(WM_MOUSEMOVE, Item(0, 1));
    EXPECT_EQ(bar->GetHotItem(0), 1);
    EXPECT_EQ(Shown(0, 1), Look(0, 1, LOOK_RAISED));
    EXPECT_EQ(GetCapture(), Bar());

    Mouse(WM_MOUSEMOVE, Item(0, 2));
    EXPECT_EQ(bar->GetHotItem(0), 2);
    EXPECT_EQ(Shown(0, 1), Look(0, 1, LOOK_NORMAL));

    SendMouse(Bar(), WM_MOUSEMOVE, Bar(), POINT{200, 50});
    EXPECT_EQ(bar->GetHotItem(0), -1);
    EXPECT_EQ(Shown(0, 2), Look(0, 2, LOOK_NORMAL));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(sink.commands.empty());
}

TEST_F(ButtonBar, PressAndReleaseInsideSendsOneCommand)
{
    Click(Item(0, 3));
    ASSERT_EQ(sink.commands.size(), 1u);
    EXPECT_EQ(sink.commands[0].wParam, static_cast<WPARAM>(FIRST_ITEM_COMMAND + 3));
    EXPECT_EQ(sink.commands[0].lParam, 0);
    EXPECT_EQ(bar->GetHeldItem(0), -1);
    EXPECT_EQ(bar->GetSelectedItem(0), -1) << "group 0 springs back";
    EXPECT_EQ(Shown(0, 3), Look(0, 3, LOOK_NORMAL));
}

struct ReleaseCase {
    const char* name;
    bool moveAwayFirst;
    bool releaseOutsideBar;
};

class ButtonBarRelease : public ButtonBar, public testing::WithParamInterface<ReleaseCase> {};

TEST_P(ButtonBarRelease, ReleasedOffTheButtonSendsNothing)
{
    Mouse(WM_MOUSEMOVE, Item(0, 1));
    Mouse(WM_LBUTTONDOWN, Item(0, 1));
    EXPECT_EQ(bar->GetHeldItem(0), 1);
    EXPECT_EQ(Shown(0, 1), Look(0, 1, LOOK_PRESSED));
    if (GetParam().moveAwayFirst)
        Mouse(WM_MOUSEMOVE, Item(0, 2));
    if (GetParam().releaseOutsideBar)
        SendMouse(Bar(), WM_LBUTTONUP, Bar(), POINT{200, 50});
    else
        Mouse(WM_LBUTTONUP, Item(0, 2));
    EXPECT_TRUE(sink.commands.empty());
    EXPECT_EQ(bar->GetHeldItem(0), -1);
    EXPECT_EQ(Shown(0, 1), Look(0, 1, LOOK_NORMAL));
}

INSTANTIATE_TEST_SUITE_P(Paths, ButtonBarRelease,
                         testing::Values(ReleaseCase{"OnAnotherButton", false, false},
                                         ReleaseCase{"AfterMovingAway", true, false},
                                         ReleaseCase{"OutsideTheBar", false, true}),
                         [](const testing::TestParamInfo<ReleaseCase>& info) { return info.param.name; });

TEST_F(ButtonBar, DisabledButtonsNeverBecomeHotOrHeld)
{
    EXPECT_EQ(bar->EnableItem(0, 2, 0), 1);
    EXPECT_EQ(bar->EnableItem(0, 2, 0), 0) << "no change";
    EXPECT_EQ(Shown(0, 2), Look(0, 2, LOOK_DISABLED));
    Click(Item(0, 2));
    EXPECT_EQ(bar->GetHotItem(0), -1);
    EXPECT_EQ(bar->GetHeldItem(0), -1);
    EXPECT_TRUE(sink.commands.empty());

    EXPECT_EQ(bar->EnableItem(0, 2, 1), 1);
    EXPECT_EQ(bar->EnableItem(0, 2, 1), 0);
    Click(Item(0, 2));
    EXPECT_EQ(sink.commands.size(), 1u);
}

TEST_F(ButtonBar, DisablingTheHotButtonLeavesNoHotButton)
{
    Mouse(WM_MOUSEMOVE, Item(0, 4));
    ASSERT_EQ(bar->GetHotItem(0), 4);
    EXPECT_EQ(bar->EnableItem(0, 4, 0), 1);
    EXPECT_EQ(bar->GetHotItem(0), -1);
    EXPECT_TRUE(bar->IsItemDisabled(0, 4));
}

TEST_F(ButtonBar, EnableGroupReachesEveryButton)
{
    EXPECT_EQ(bar->EnableGroup(1, 0), 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(bar->IsItemDisabled(1, i)) << i;
    EXPECT_EQ(bar->EnableGroup(1, 1), 1);
    EXPECT_FALSE(bar->IsItemDisabled(1, 0));
}

TEST_F(ButtonBar, ScrollsWithTheArrowsWhenRowsRunOut)
{
    // (300 + 30) / 60 = 5 visible rows for 6 buttons.
    EXPECT_TRUE(IsWindowVisible(bar->GetDownArrow()));
    EXPECT_FALSE(IsWindowVisible(bar->GetUpArrow()));

    Mouse(WM_LBUTTONDOWN, bar->GetDownArrow());
    EXPECT_EQ(bar->GetFirstVisibleItem(0), 1);
    EXPECT_FALSE(IsWindowVisible(bar->GetDownArrow()));
    EXPECT_TRUE(IsWindowVisible(bar->GetUpArrow()));
    EXPECT_FALSE(IsWindowVisible(Item(0, 0)));
    EXPECT_EQ(Top(Item(0, 1)), Top(bar->GetButtonArea()));

    Mouse(WM_LBUTTONDOWN, bar->GetDownArrow());
    EXPECT_EQ(bar->GetFirstVisibleItem(0), 1) << "a hidden arrow does nothing";

    Mouse(WM_LBUTTONDOWN, bar->GetUpArrow());
    EXPECT_EQ(bar->GetFirstVisibleItem(0), 0);
    EXPECT_TRUE(IsWindowVisible(Item(0, 0)));
    EXPECT_TRUE(sink.commands.empty());
}

TEST_F(ButtonBar, HeadersStandAboveAndBelowTheOpenGroup)
{
    RECT client{};
    GetClientRect(Bar(), &client);
    EXPECT_EQ(Top(bar->GetHeaderWindow(0)), 0);
    EXPECT_EQ(Top(bar->GetHeaderWindow(1)), client.bottom - 20);
    EXPECT_EQ(Top(bar->GetButtonArea()), 20);
    RECT area{};
    GetClientRect(bar->GetButtonArea(), &area);
    EXPECT_EQ(area.bottom, AREA_HEIGHT);
}

TEST_F(ButtonBar, ClickingAnotherHeaderOpensItsGroup)
{
    Mouse(WM_LBUTTONDOWN, bar->GetHeaderWindow(0));
    EXPECT_TRUE(sink.commands.empty()) << "the open group's header does nothing";

    Mouse(WM_LBUTTONDOWN, bar->GetHeaderWindow(1));
    EXPECT_EQ(bar->GetOpenGroup(), 1);
    ASSERT_EQ(sink.commands.size(), 1u);
    EXPECT_EQ(sink.commands[0].wParam, static_cast<WPARAM>(SECOND_GROUP_COMMAND));
    EXPECT_EQ(Top(bar->GetHeaderWindow(1)), 20);
    EXPECT_EQ(Top(bar->GetButtonArea()), 40);
    EXPECT_FALSE(IsWindowVisible(Item(0, 0)));
    EXPECT_TRUE(IsWindowVisible(Item(1, 0)));
    EXPECT_FALSE(IsWindowVisible(bar->GetDownArrow())) << "3 buttons fit";
}

TEST_F(ButtonBar, LatchingGroupKeepsTheActivatedButtonPressed)
{
    Mouse(WM_LBUTTONDOWN, bar->GetHeaderWindow(1));
    sink.commands.clear();
    Click(Item(1, 1));
    ASSERT_EQ(sink.commands.size(), 1u);
    EXPECT_EQ(sink.commands[0].wParam, static_cast<WPARAM>(SECOND_ITEM_COMMAND + 1));
    EXPECT_EQ(bar->GetSelectedItem(1), 1);
    EXPECT_EQ(Shown(1, 1), Look(1, 1, LOOK_PRESSED));

    Mouse(WM_MOUSEMOVE, Item(1, 1));
    EXPECT_EQ(bar->GetHotItem(1), -1) << "the selected button never becomes hot";

    Click(Item(1, 2));
    EXPECT_EQ(bar->GetSelectedItem(1), 2);
    EXPECT_EQ(Shown(1, 1), Look(1, 1, LOOK_NORMAL));
}

TEST_F(ButtonBar, NewGroupsAreNamedByTheirNumberUntilCaptioned)
{
    ASSERT_EQ(bar->AddGroup(nullptr, 0, 0), 1);
    char caption[64] = {};
    GetWindowTextA(bar->GetHeaderWindow(2), caption, sizeof caption);
    EXPECT_STREQ(caption, "unbenannt (3)");
    GetWindowTextA(bar->GetHeaderWindow(0), caption, sizeof caption);
    EXPECT_STREQ(caption, "Eintr\xE4ge");
}

TEST_F(ButtonBar, ImagesAreAsWideAsTheBarClientAndSixtyHigh)
{
    RECT client{};
    GetClientRect(Bar(), &client);
    EXPECT_EQ(client.right, 90 - 4) << "border and static edge on both sides";
    for (int look = LOOK_NORMAL; look <= LOOK_DISABLED; ++look) {
        int width = 0;
        int height = 0;
        ASSERT_EQ(GetBitmapSize(Look(0, 0, static_cast<ButtonLook>(look)), &width, &height), 1);
        EXPECT_EQ(width, client.right);
        EXPECT_EQ(height, 60);
    }
}

struct OutOfRangeCase {
    int group;
    int item;
};

class ButtonBarRange : public ButtonBar, public testing::WithParamInterface<OutOfRangeCase> {};

TEST_P(ButtonBarRange, OutOfRangeIndicesDoNothing)
{
    const OutOfRangeCase& c = GetParam();
    EXPECT_EQ(bar->EnableItem(c.group, c.item, 0), 0);
    EXPECT_EQ(bar->AddItem(c.group < 0 || c.group > 1 ? c.group : 7, "x", "TEST_SUN", 1), 0);
}

INSTANTIATE_TEST_SUITE_P(Indices, ButtonBarRange,
                         testing::Values(OutOfRangeCase{-1, 0}, OutOfRangeCase{2, 0}, OutOfRangeCase{0, 6},
                                         OutOfRangeCase{1, -1}));

TEST(ButtonBarEmpty, GroupWithoutButtonsCannotBeEnabledOrOpened)
{
    CommandSink sink;
    BBControl* bar = BBControl::GetInstance();
    bar->Create(GetModuleHandleA(nullptr), sink.Handle(), 0, 0, 90, 300);
    bar->AddGroup("A", 1, 0);
    bar->AddGroup("B", 2, 0);
    bar->AddItem(0, "x", "TEST_SUN", 5);
    bar->ShowBar();
    EXPECT_EQ(bar->EnableGroup(1, 0), 0);
    SendMouse(bar->GetBarWindow(), WM_LBUTTONDOWN, bar->GetHeaderWindow(1));
    EXPECT_EQ(bar->GetOpenGroup(), 0);
    EXPECT_TRUE(sink.commands.empty());
    BBControl::ReleaseInstance(bar);
    EXPECT_EQ(BBControl::GetInstanceIfAny(), nullptr);
}

} // namespace
